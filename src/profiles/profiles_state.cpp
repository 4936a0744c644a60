#include "profiles/profiles_state.h"

#include "profiles/profile_values.h"

namespace ohmira {

void reset_profiles_state() {
    Profile_Low_Alt = 99999;
    Profile_Top_Alt = 0;
    Profile_Height = 0;
    Profile_X_Twips = 0;
    Profile_Z_Twips = 0;
    Profile_Column_Width = 0;
    Profile_Last_Fixed_Width = 0;
    Profile_Folder.clear();
    Extract_Altitude.clear();
    Extract_Layer.clear();
    Extract_Choice = 0;
}

} // namespace ohmira
