#pragma once

namespace qv {

// The application-wide mouse pointer while a configuration window works: the busy
// pointer, then the default again. Calls do not nest: one SetNormalPointer undoes
// any number of SetBusyPointer calls.
void SetBusyPointer();
void SetNormalPointer();

} // namespace qv
