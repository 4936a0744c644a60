#pragma once
// What a batch conversion changes around itself and puts back however it ends (done, refused,
// failed or cancelled): the array option, the array code and the code kept for the settings
// file; the hourglass over the program while it runs, the plot's cross-hair after it.
#include <cstdint>
#include <string>

namespace ohmira {

class Batch_Run {
public:
    Batch_Run();
    ~Batch_Run();
    Batch_Run(const Batch_Run &) = delete;
    Batch_Run &operator=(const Batch_Run &) = delete;

    // Between two soundings: lets the window repaint and shows the hourglass again (the automatic
    // model puts the arrow back).
    void next_sounding();

private:
    int option_ = 0; // 1..3: the array option on at the start, 0 none
    std::string niveau_;
    std::string saved_niveau_;
};

} // namespace ohmira
