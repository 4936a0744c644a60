#pragma once
// The main window `SEV`: one form aggregating the control groups of the subsystems, so that
// `SEV.BuildGrid` or `SEV.SSTab1` name the controls directly.
//
// The groups are built in the order of the base list, and each control registers with the form
// as it is built; the window layer creates widgets in that order, so a group comes after the
// groups whose containers it uses (app: the tab strip; editor: the frames of the main tab).
// Event handlers are connected by the subsystems at start-up, not here. No initialiser of another
// namespace-scope variable may use `SEV`: their order of construction across files is not fixed.
#include "form/app_controls.h"
#include "form/commands_controls.h"
#include "form/conversions_controls.h"
#include "form/editor_controls.h"
#include "form/printing_controls.h"
#include "form/profiles_controls.h"
#include "platform/form.h"

namespace ohmira {

struct SEV_Form : Form,
                  AppControls,
                  EditorControls,
                  CommandsControls,
                  PrintingControls,
                  ProfilesControls,
                  ConversionsControls {
    SEV_Form();
};

inline SEV_Form SEV;

// Rebuilds `SEV` with its design state: every control back to its design values, the form
// unloaded, and no event handler connected. For start-up and tests.
void reset_SEV();

} // namespace ohmira
