#include "form/sev_form.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace ohmira {
namespace {

class SevFormTest : public ::testing::Test {
protected:
    void SetUp() override { reset_SEV(); }
    void TearDown() override { reset_SEV(); }
};

TEST_F(SevFormTest, GroupsReadAsControlsOfOneForm) {
    EXPECT_EQ(SEV.Name(), "SEV");
    EXPECT_EQ(SEV.control("BuildGrid"), &SEV.BuildGrid);
    EXPECT_EQ(SEV.control("Bilog"), &SEV.Bilog);
    EXPECT_EQ(SEV.control("SSTab1"), &SEV.SSTab1);
    EXPECT_EQ(&SEV.BuildGrid.form(), &static_cast<Form &>(SEV));
    EXPECT_EQ(SEV.BuildGrid.Container(), &SEV.Frame16);
    EXPECT_EQ(SEV.Frame16.Container(), &SEV.SSTab1);
    EXPECT_EQ(SEV.Slider1.Container(), &SEV.Frame15);
}

TEST_F(SevFormTest, ContainersExistAndComeBeforeTheirControls) {
    std::set<std::string> seen;
    for (const Control *c : SEV.controls()) {
        if (!c->container_name().empty()) {
            EXPECT_TRUE(seen.count(c->container_name()))
                << c->Name() << " sits in " << c->container_name();
            EXPECT_NE(c->Container(), nullptr) << c->Name();
        }
        EXPECT_TRUE(seen.insert(c->Name()).second) << "duplicate " << c->Name();
    }
}

TEST_F(SevFormTest, TabStripHasTheDesignCaptions) {
    const char *captions[] = {"Main", "Print", "Setup", "Profile data", "Make SEV Profile"};
    ASSERT_EQ(SEV.SSTab1.Tabs(), 5);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(SEV.SSTab1.TabCaption(i), captions[i]);
    EXPECT_EQ(SEV.SSTab1.Tab(), 0);
    EXPECT_TRUE(SEV.BuildGrid.shown());
    EXPECT_FALSE(SEV.Option1.shown()) << "Setup page not selected";
}

TEST_F(SevFormTest, ArrayOptionsAreOneGroup) {
    SEV.Option1.Value(true);
    SEV.Option3.Value(true);
    EXPECT_FALSE(SEV.Option1.Value());
    EXPECT_FALSE(SEV.Option2.Value());
    EXPECT_TRUE(SEV.Option3.Value());
}

TEST_F(SevFormTest, ResetPutsBackTheDesignState) {
    int clicks = 0;
    SEV.SSTab1.Click = [&] { ++clicks; };
    SEV.SSTab1.Tab(2);
    SEV.Text1.Text("readout");
    SEV.BuildGrid.Rows(51);
    SEV.Load();
    reset_SEV();
    EXPECT_EQ(SEV.SSTab1.Tab(), 0);
    EXPECT_EQ(SEV.Text1.Text(), "Ohmira"); // its design text
    EXPECT_EQ(SEV.BuildGrid.Rows(), 2);
    EXPECT_FALSE(SEV.loaded());
    SEV.SSTab1.Tab(1);
    EXPECT_EQ(clicks, 1) << "handlers are gone after a reset";
    EXPECT_EQ(SEV.control("Grid1"), &SEV.Grid1);
}

} // namespace
} // namespace ohmira
