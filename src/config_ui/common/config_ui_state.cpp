#include "config_ui/common/config_ui_state.h"

namespace qv {

ConfigUiState& configUiState()
{
    static ConfigUiState state;
    return state;
}

} // namespace qv
