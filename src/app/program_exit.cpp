#include "app/program_exit.h"

#include "commands/open_save.h"
#include "core/app_title.h"
#include "core/language.h"
#include "core/sounding.h"
#include "editor/window_sounding.h"
#include "form/settings.h"
#include "platform/dialog_host.h"
#include "platform/program_end.h"

namespace ohmira {

namespace {
// Each line is followed by a line feed and then a carriage return.
constexpr Language_Text question{
    "     Vous allez quitter le programme\n\r  (Avez-vous pensé à sauver vos données ?)....  \n\r",
    "     Va a salir del programa\n\r  (¿A salvado sus datos?)....  \n\r",
    "     You are leaving Ohmira\n\r  (Have you saved your data ?)....  \n\r",
};
} // namespace

const char *quit_question() {
    return by_language(question);
}

void Quit_Program(bool &answer) {
    Write_Ini_Settings();
    answer = true;
    const int choice = MsgBox(quit_question(), vbYesNoCancel | vbQuestion, Prog_Title);
    if (choice != vbYes && choice != vbNo) {
        answer = false;
        return;
    }
    Write_Ini_Settings();
    if (choice == vbNo) {
        if (!Take_Window_Sounding(Window_Take::Save) || !Save_QD3(File_Path)) {
            answer = false;
            return;
        }
    }
    end_program();
}

void E_M_Click() {
    Quit_Program(Quit_Answer);
}

void SEV_Form_Unload(int &Cancel) {
    Quit_Program(Quit_Answer);
    if (!Quit_Answer)
        Cancel = 1;
}

void Request_Exit() {
    Quit_Program(Quit_Answer);
}

} // namespace ohmira
