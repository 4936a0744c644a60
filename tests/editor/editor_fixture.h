#pragma once
// Set-up of the editor tests: the shared start (state, English, a scripted dialog host and a
// fresh temporary folder), the main window with the editor's events and Schlumberger chosen.
#include "../app_fixture.h"
#include "core/sounding.h"
#include "editor/data_entry.h"
#include "editor/editor_events.h"
#include "editor/field_grid.h"
#include "form/applied_array.h"
#include "form/settings_values.h"

namespace ohmira::test {

class EditorTest : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        connect_editor_events();
        Apply_Array(Array_Type::Schlumberger);
        Niveau = "0";
        Array_Factor = 1;
    }

    // A new sounding's page built on an empty spacing table: 50 empty data rows.
    void empty_page() {
        Spacing_File = write_bytes("empty.TXT", "");
        File_Name.clear();
        auto &g = SEV.BuildGrid;
        for (int r = 1; r < g.Rows(); ++r)
            for (int c = 1; c < g.Cols(); ++c)
                g.TextMatrix(r, c, "");
        Field_Data.clear();
        Nb_Points = 0;
        Load_build();
    }

    // Types a row's cells as texts: MN/2, AB/2, ΔV, I (and the resistivity column); the row
    // counts as typed, as the key handler marks it.
    static void row(int r, const std::string &mn, const std::string &ab, const std::string &dv,
                    const std::string &i, const std::string &rho = "") {
        auto &g = SEV.BuildGrid;
        Field_Row_Typed(r) = 1;
        Field_Grid_Changed = true;
        g.TextMatrix(r, 1, mn);
        g.TextMatrix(r, 2, ab);
        g.TextMatrix(r, 3, dv);
        g.TextMatrix(r, 4, i);
        g.TextMatrix(r, 6, rho);
    }

    static std::string cell(int r, int c) { return SEV.BuildGrid.TextMatrix(r, c); }
};

} // namespace ohmira::test
