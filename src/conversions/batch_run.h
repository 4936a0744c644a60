#pragma once
// What a conversion that passes soundings through the current sounding changes around itself and
// puts back however it ends (done, refused, failed or cancelled).
#include <cstdint>
#include <string>
#include <type_traits>
#include <vector>

#include "core/sounding.h"
#include "form/applied_array.h"

namespace ohmira {

// The sounding the window shows once the conversion ends: the last file it wrote, read back from
// it; with none written, the sounding, names and caption the window showed before, drawn again
// when soundings of the conversion were shown meanwhile. So a File ▸ Save that follows writes
// either a converted file as it is or the sounding of before to its own file.
class Conversion_Result {
public:
    Conversion_Result();
    ~Conversion_Result();
    Conversion_Result(const Conversion_Result &) = delete;
    Conversion_Result &operator=(const Conversion_Result &) = delete;

    // A sounding file was written.
    void written(const std::string &path) { written_ = path; }
    // A sounding of the conversion was shown in the window (model grid or plot).
    void window_changed() { window_changed_ = true; }
    // Shows the result now; the destructor does it when the command has not.
    void show();

private:
    Sounding_Record before_;
    std::string caption_;
    std::remove_cvref_t<decltype(Curve)> curve_;
    std::int16_t curve_last_ = 0;
    std::string written_;
    bool window_changed_ = false;
    bool shown_ = false;
};

// A batch conversion: besides its result, the array option, the array code and the code kept for
// the settings file; the hourglass over the program while it runs, the plot's cross-hair after it.
class Batch_Run {
public:
    Batch_Run();
    ~Batch_Run();
    Batch_Run(const Batch_Run &) = delete;
    Batch_Run &operator=(const Batch_Run &) = delete;

    // Before each sounding: lets the window repaint and shows the hourglass again (the automatic
    // model puts the arrow back).
    void next_sounding();
    // Saves the current sounding to path without asking; true when written. A failed write ends
    // the run: the one box of its end names the file and the soundings written before it.
    bool save(std::string &path);
    bool write_failed() const { return failure_ != 0; }
    // Puts the array option back, then shows the result under it, then the box of a failed
    // write; the destructor does it when the command has not.
    void finish();

private:
    Conversion_Result result_;
    int option_ = 0; // 1..3: the array option on at the start, 0 none
    std::string niveau_;
    std::string saved_niveau_;
    // The array applied at the start, its spacing table and name: a conversion of Wenner lines
    // applies Wenner while it runs.
    Array_Type applied_;
    std::string spacing_file_;
    std::string array_name_;
    std::vector<std::string> written_; // names of the files written
    int failure_ = 0;                  // error number of the write that failed
    std::string failed_path_;
    bool finished_ = false;
};

} // namespace ohmira
