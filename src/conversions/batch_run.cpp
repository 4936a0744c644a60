#include "conversions/batch_run.h"

#include "core/sounding.h"
#include "platform/screen.h"
#include "platform/user_feedback.h"
#include "shell/settings_values.h"
#include "shell/sev_form.h"

namespace ohmira {

namespace {

OptionButton &array_option(int n) {
    return n == 1 ? SEV.Option1 : n == 2 ? SEV.Option2 : SEV.Option3;
}

void show_hourglass() {
    Screen.MousePointer(vbHourglass);
    SEV.Bilog.MousePointer(vbHourglass);
}

} // namespace

Batch_Run::Batch_Run() : niveau_(Niveau), saved_niveau_(Saved_Niveau) {
    for (int n = 1; n <= 3; ++n) {
        if (array_option(n).Value()) {
            option_ = n;
        }
    }
    show_hourglass();
}

Batch_Run::~Batch_Run() {
    if (option_ != 0) {
        if (!array_option(option_).Value()) {
            array_option(option_).Value(true); // its click handler sets the spacing table again
        }
    } else {
        for (int n = 1; n <= 3; ++n) {
            array_option(n).Value(false);
        }
    }
    Niveau = niveau_;
    Saved_Niveau = saved_niveau_;
    Screen.MousePointer(vbDefault);
    SEV.Bilog.MousePointer(vbCrosshair);
}

void Batch_Run::next_sounding() {
    DoEvents();
    show_hourglass();
}

} // namespace ohmira
