#pragma once
// The splash window: shown at start-up with four ways to begin, and later as the About box.
#include "platform/controls.h"
#include "platform/form.h"

namespace ohmira {

struct frmSplash_Form : Form {
    frmSplash_Form();

    // The shadow is built before the name so that the name is drawn over it.
    Label lblProductName2{*this, "lblProductName2", 450, 260, 5400, 720};
    Label lblProductName{*this, "lblProductName", 480, 240, 5400, 720};
    Label lblVersion{*this, "lblVersion", 480, 1020, 5400, 300};
    Label lblCompanyProduct{*this, "lblCompanyProduct", 480, 1360, 5400, 300};
    CommandButton Command2{*this, "Command2", 720, 1860, 4920, 450};  // new sounding
    CommandButton Command4{*this, "Command4", 720, 2400, 4920, 450};  // open a file
    CommandButton Command3{*this, "Command3", 720, 2940, 4920, 450};  // open the last file
    CommandButton Command5{*this, "Command5", 720, 3480, 4920, 450};  // the manual
    CommandButton Command1{*this, "Command1", 4440, 4140, 1200, 390}; // Cancel
};

inline frmSplash_Form frmSplash;

// Rebuilds the splash window in its design state, without handlers (start-up and tests).
void reset_frmSplash();

// The design captions of the four buttons (the About box shows them).
void set_splash_design_captions();

// True while start-up waits on the splash: a file chosen there is then held, and read by
// Open_Splash_Choice once the main window's pages exist.
inline bool Splash_Holds_Open = false;
void Open_Splash_Choice();

// frmSplash's events.
void frmSplash_Form_Load();
void frmSplash_Command1_Click();
void frmSplash_Command2_Click();
void frmSplash_Command3_Click();
void frmSplash_Command4_Click();
void frmSplash_Command5_Click();
void connect_splash_events();

} // namespace ohmira
