#include "conversions/batch_run.h"

#include "commands/open_save.h"
#include "core/app_title.h"
#include "core/language.h"
#include "form/settings_values.h"
#include "form/sev_form.h"
#include "platform/dialog_host.h"
#include "platform/files.h"
#include "platform/runtime_error.h"
#include "platform/screen.h"
#include "platform/user_feedback.h"

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

Conversion_Result::Conversion_Result()
    : before_(current_sounding()), caption_(SEV.Caption()), curve_(Curve), curve_last_(Curve_Last) {
}

Conversion_Result::~Conversion_Result() {
    try {
        show();
    } catch (const RuntimeError &) {
        // The sounding is in memory; only its drawing failed.
    }
}

void Conversion_Result::show() {
    if (shown_)
        return;
    shown_ = true;
    const std::string mode = Draw_Mode;
    if (!written_.empty() && open_sounding_file(written_)) {
        Draw_Mode = mode;
        return;
    }
    restore_sounding(before_);
    Curve = curve_;
    Curve_Last = curve_last_;
    Draw_Mode = mode;
    SEV.Caption(caption_);
    // The data page was not touched: typed cells not yet computed stay as they are.
    if (window_changed_)
        Show_Model_And_Plot();
}

Batch_Run::Batch_Run()
    : niveau_(Niveau), saved_niveau_(Saved_Niveau), applied_(Applied_Array),
      spacing_file_(Spacing_File), array_name_(SEV.Text4.Text()) {
    for (int n = 1; n <= 3; ++n) {
        if (array_option(n).Value()) {
            option_ = n;
        }
    }
    show_hourglass();
}

Batch_Run::~Batch_Run() {
    try {
        finish();
    } catch (const RuntimeError &) {
        // The option and the sounding are back; only a drawing failed.
    }
}

void Batch_Run::finish() {
    if (finished_)
        return;
    finished_ = true;
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
    Applied_Array = applied_;
    Spacing_File = spacing_file_;
    SEV.Text4.Text(array_name_);
    Screen.MousePointer(vbDefault);
    result_.show();
    SEV.Bilog.MousePointer(vbCrosshair);
    if (failure_ != 0) {
        std::string names;
        for (const std::string &name : written_)
            names += (names.empty() ? "" : ", ") + name;
        MsgBox(write_error_text(failure_) + "\n\r" + failed_path_ + "\n\r" +
                   (names.empty() ? by_language("Aucun sondage enregistré",
                                                "Ningún sondeo guardado", "No sounding written")
                                  : by_language("Sondages enregistrés : ", "Sondeos guardados: ",
                                                "Soundings written: ") +
                                        names),
               vbExclamation, Prog_Title);
    }
}

bool Batch_Run::save(std::string &path) {
    int failure = 0;
    if (Save_QD3(path, &failure)) {
        result_.written(path);
        written_.push_back(name_of(path));
        return true;
    }
    if (failure != 0) {
        failure_ = failure;
        failed_path_ = path;
    }
    return false;
}

void Batch_Run::next_sounding() {
    DoEvents();
    show_hourglass();
    result_.window_changed();
}

} // namespace ohmira
