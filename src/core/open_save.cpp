#include "core/open_save.h"

namespace ohmira {

// Placeholders: opening and saving fill these in.
void Open_Sounding() {}
bool Save_QD3(std::string &) {
    return false;
}
void NFile_Click() {}
void Read_QD3() {}
void NRecord_Click() {}
void Record_Button_Click() {}
void F1_F_Click() {}
void F2_F_Click() {}
void F3_F_Click() {}
void F4_F_Click() {}
void F5_F_Click() {}

} // namespace ohmira
