#pragma once

#include "showdata/custom_show.h"
#include "showdata/event_pump.h"
#include "showdata/file_discovery.h"
#include "showdata/random_show_config.h"

namespace qv {

// Fills `show`'s `picture` and `audio` columns with the files of `config`'s folders
// (each folder's sub-folders first when asked for, then its own files; folders in
// list order) and sets `pictureCount` and `audioCount`. The rest of the table is
// emptied: a random show plays only these two lists.
void findRandomShowFiles(const RandomShowConfig& config, CustomShow& show, int limit = maxFoundFiles,
                         EventPump* pump = nullptr);

// The random show's start: the lists of the process-wide configuration into the
// process-wide table. With no picture found it says so and ends the program.
void BuildRandomFileLists();

} // namespace qv
