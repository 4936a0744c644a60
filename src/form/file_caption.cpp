#include "form/file_caption.h"

#include <string>

#include "core/app_title.h"
#include "core/sounding.h"
#include "form/sev_form.h"

namespace ohmira {

void Show_File_Caption() {
    std::string file = Caption_File;
    if (file.empty() && File_Name != "NEW")
        file = File_Name.empty() ? std::string() : File_Path;
    SEV.Caption(Prog_Title + " [" + (file.empty() ? std::string("NEW") : file) + "]");
}

} // namespace ohmira
