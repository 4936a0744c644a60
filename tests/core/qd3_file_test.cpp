#include "core/qd3_file.h"

#include <gtest/gtest.h>

#include "core_fixture.h"

namespace ohmira::test {
namespace {

class Qd3Test : public CoreTest {
protected:
    void set_point(int i, double a, double rho, double mn, double dv, double k, double current) {
        const double v[] = {a, rho, mn, dv, k, current};
        for (int c = 0; c < 6; ++c)
            Field_Data(i, c + 1) = v[c];
    }
    void set_layer(int j, double rho, double h, double depth) {
        Model_Layers(1, j) = rho;
        Model_Layers(2, j) = h;
        Model_Layers(3, j) = depth;
    }
    // Reads path as the open command would, with the layout of its extension.
    void read(std::string p, int layout = 3) {
        File_Name = "x";
        File_Layout = static_cast<std::int16_t>(layout);
        Load_QD3(p);
    }
    std::vector<std::string> boxes() const {
        std::vector<std::string> texts;
        for (const auto &r : host_.message_boxes())
            texts.push_back(r.text);
        return texts;
    }
};

std::string zero_layers(int n) {
    std::string s;
    for (int i = 0; i < n; ++i)
        s += "0,0,0\r\n";
    return s;
}

TEST_F(Qd3Test, WritesTheExactBytesAndReadsThemBack) {
    Nb_Points = 3;
    set_point(1, 1.5, 123.456, 0.5, 12.34, 3.5343, 100);
    set_point(2, 10, 50, 1, 100, 155.5, 10);
    set_point(3, 1000, 20, 10, 1.5, 157079.6, 20);
    set_layer(1, 100, 2, 0);
    set_layer(2, 10, 10.5, 2);
    set_layer(3, 1000, 0, 12.5);
    Comment = "Near the well, north side";
    Data_Source = "";
    Graph_Title = "Sondage é1";
    X_Coord = "He said \"hi\"";
    Y_Coord = "2345";
    Z_Coord = "120.5";
    Azimuth = "N45";
    const std::string p = path("s.QD3");
    ASSERT_EQ(write_qd3_file(p), 0);

    const std::string expected = "3.5\r\n"
                                 "15,12346,50,123,353,100\r\n"
                                 "100,5000,100,1000,15550,10\r\n"
                                 "10000,2000,1000,15,1.570796E+07,20\r\n"
                                 "10000,200,0\r\n"
                                 "1000,1050,200\r\n"
                                 "100000,0,1250\r\n" +
                                 zero_layers(17) +
                                 "\"Near the well, north side\"\r\n"
                                 "\"\"\r\n"
                                 "\"Sondage \xE9"
                                 "1\"\r\n"
                                 "\"He said 'hi'\"\r\n"
                                 "\"2345\"\r\n"
                                 "\"120.5\"\r\n"
                                 "\"N45\"\r\n";
    EXPECT_EQ(read_bytes(p), expected);

    const auto model_before = Model_Layers(1, 1).num();
    Field_Data.clear();
    Model_Layers.clear();
    set_layer(1, model_before, 0, 0);
    Comment = Graph_Title = X_Coord = "";
    read(p);
    EXPECT_TRUE(boxes().empty());
    EXPECT_EQ(File_Layout, 5);
    EXPECT_EQ(Rho_Scale, 100);
    EXPECT_EQ(Nb_Points, 3);
    EXPECT_TRUE(Field_Data(1, 1).is_single());
    EXPECT_EQ(Field_Data(1, 1).num(), 1.5f);
    EXPECT_EQ(Field_Data(1, 2).num(), 123.46f);
    EXPECT_EQ(Field_Data(1, 7).num(), 123.46f);
    EXPECT_EQ(Field_Data(1, 3).num(), 0.5f);
    EXPECT_EQ(Field_Data(1, 4).num(), 12.3f);
    EXPECT_EQ(Field_Data(1, 6).num(), 100.0f);
    EXPECT_EQ(Field_Data(3, 5).num(), 157079.6f); // 7 significant digits only
    EXPECT_EQ(Model_Layers(2, 2).num(), 10.5f);
    EXPECT_EQ(Model_Layers(3, 3).num(), 12.5f);
    EXPECT_EQ(Model_Layers(1, 4).num(), 0);
    EXPECT_EQ(Comment, "Near the well, north side");
    EXPECT_EQ(Graph_Title, "Sondage é1");
    EXPECT_EQ(X_Coord, "He said 'hi'");
    EXPECT_EQ(Azimuth, "N45");
    EXPECT_EQ(Max_AB2, 1000);
    EXPECT_EQ(Fresh_Load, vbTrue);
    EXPECT_EQ(Auto_Threshold.num(), 0.3);
}

TEST_F(Qd3Test, WriterRoundsHalvesToEvenAndUsesExponentFormFromTenMillion) {
    struct Case {
        double k;
        const char *written;
    } cases[] = {
        {0.125, "12"},               // 12.5 -> 12
        {0.135, "14"},               // 13.5 -> 14
        {99999.99, "9999999"},       // largest plain single
        {100000, "1E+07"},           //
        {314151.23, "3.141512E+07"}, // low digits lost
    };
    for (const auto &c : cases) {
        Nb_Points = 1;
        set_point(1, 1, 1, 0, 0, c.k, 0);
        const std::string p = path("k.QD3");
        ASSERT_EQ(write_qd3_file(p), 0);
        const std::string bytes = read_bytes(p);
        EXPECT_EQ(bytes.substr(0, bytes.find("\r\n", 5)),
                  "1.5\r\n10,100,0,0," + std::string(c.written) + ",0")
            << c.k;
    }
}

TEST_F(Qd3Test, WriteFailuresLeaveTheOldFile) {
    const std::string p = write_bytes("old.QD3", "old");
    Nb_Points = 52; // beyond the table
    EXPECT_EQ(write_qd3_file(p), 9);
    EXPECT_EQ(read_bytes(p), "old");
    Nb_Points = 0;
    Model_Layers(1, 1) = 3e7; // 100 × ρ beyond a 32-bit whole number
    EXPECT_EQ(write_qd3_file(p), 6);
    EXPECT_EQ(read_bytes(p), "old");
    Model_Layers(1, 1) = 100;
    EXPECT_EQ(write_qd3_file(path("missing/x.QD3")), 76); // path not found
}

TEST_F(Qd3Test, LayoutDivisors) {
    struct Case {
        const char *name;
        int layout;
        std::string bytes;
        int rho_scale;
        float rho, mn, dv, current, layer_rho;
    } cases[] = {
        {"old.QD3", 3, "1\r\n100,4500,50,1234,31410,100\r\n5000,300,0\r\n" + zero_layers(19), 10,
         450, 5, 123.4f, 100, 500},
        {"frac.QD3", 3, "1.25\r\n100,4500,50,1234,31410,100\r\n5000,300,0\r\n" + zero_layers(19),
         10, 450, 0.5f, 123.4f, 100, 500},
        {"old.ESW", 2, "1\r\n100,4500,50,1234,31410,100\r\n5000,300,0\r\n" + zero_layers(9), 1,
         4500, 0.5f, 1.234f, 1, 5000},
    };
    for (const auto &c : cases) {
        reset_core_state();
        Data_Source = "PASI";
        read(write_bytes(c.name, c.bytes), c.layout);
        SCOPED_TRACE(c.name);
        EXPECT_TRUE(boxes().empty());
        EXPECT_EQ(File_Layout, c.layout);
        EXPECT_EQ(Rho_Scale, c.rho_scale);
        EXPECT_EQ(Field_Data(1, 1).num(), 10.0f);
        EXPECT_EQ(Field_Data(1, 2).num(), c.rho);
        EXPECT_EQ(Field_Data(1, 3).num(), c.mn);
        EXPECT_EQ(Field_Data(1, 4).num(), c.dv);
        EXPECT_EQ(Field_Data(1, 5).num(), 314.1f);
        EXPECT_EQ(Field_Data(1, 6).num(), c.current);
        EXPECT_EQ(Model_Layers(1, 1).num(), c.layer_rho);
        EXPECT_EQ(Model_Layers(2, 1).num(), 3.0f);
        EXPECT_EQ(Data_Source, "PASI"); // no texts in the file: kept
        EXPECT_EQ(Comment, "");
    }
}

TEST_F(Qd3Test, HalfArrayAndShiftDetection) {
    struct Case {
        const char *rho_item; // 100 × resistivity read
        const char *current;
        int factor;
    } cases[] = {{"350000", "10", 2}, {"155500", "10", 1}, {"350000", "0", 1}};
    for (const auto &c : cases) {
        reset_core_state();
        // a = 10 m, MN/2 = 1 m, ΔV = 100 mV: K = 155.5 m, full-array value 1555 ohm·m.
        std::string bytes = "3.5\r\n100," + std::string(c.rho_item) + ",100,1000,15550," +
                            c.current + "\r\n200,2000,100,10,100,10\r\n200,2000,500,50,100,10\r\n" +
                            zero_layers(20);
        read(write_bytes("h.QD3", bytes));
        EXPECT_EQ(Array_Factor, c.factor) << c.rho_item << " " << c.current;
        EXPECT_EQ(Shift_Compensation, 1);
    }
    reset_core_state();
    read(write_bytes("n.QD3", "2.5\r\n100,2000,100,10,100,10\r\n100,2100,100,10,100,10\r\n" +
                                  zero_layers(20)));
    EXPECT_EQ(Shift_Compensation, 0);
}

TEST_F(Qd3Test, TwentyFiveReadsFillTheStore) {
    Model_Layers(1, 1) = 7; // the model in memory before the first file
    Nb_Layers = 2;
    for (int k = 1; k <= 25; ++k) {
        std::string bytes = "0.5\r\n" + std::to_string(k * 100) + ",0,0\r\n" + zero_layers(19);
        read(write_bytes("f" + std::to_string(k) + ".QD3", bytes));
    }
    EXPECT_TRUE(boxes().empty());
    EXPECT_EQ(Nb_Superposed, 20);
    EXPECT_EQ(Superposed_Index, 20);
    EXPECT_EQ(Model_Stored, 1);
    EXPECT_EQ(Superposed_Models(1, 1, 1).num(), 7);
    EXPECT_EQ(Superposed_Layers(1), 2);
    EXPECT_EQ(Superposed_Models(2, 1, 1).num(), 1);   // file 1
    EXPECT_EQ(Superposed_Models(19, 1, 1).num(), 18); // file 18
    EXPECT_EQ(Superposed_Models(20, 1, 1).num(), 24); // file 24, pushed by the 25th read
    EXPECT_EQ(Model_Layers(1, 1).num(), 25);
}

TEST_F(Qd3Test, ReadErrorsKeepOnlyWholePoints) {
    struct Case {
        const char *name;
        std::string bytes;
        int points;
        int pushed;
        const char *cause = "the file ends too early";
    } cases[] = {
        {"cut.QD3", "3.5\r\n10,100,0,0,0,0\r\n20,200,0,0,0,0\r\n30,30", 2, 1},
        {"layers.QD3", "2.5\r\n10,100,0,0,0,0\r\n20,200,0,0,0,0\r\n100,0,0\r\n", 2, 1},
        {"text.QD3", "2.5\r\n10,100,0,0,0,0\r\nabc,200,0,0,0,0\r\n", 1, 1,
         "a value that is not a number"},
        {"many.QD3",
         "60.5\r\n" +
             [] {
                 std::string s;
                 for (int i = 0; i < 60; ++i)
                     s += "10,100,0,0,0,0\r\n";
                 return s;
             }(),
         51, 1, "more than 51 points"},
        {"negative.QD3", "-2.5\r\n10,100,0,0,0,0\r\n", 0, 1, "a negative count"},
    };
    for (const auto &c : cases) {
        reset_core_state();
        Field_Data(3, 1) = 99; // a stale row
        Comment = "old";
        Data_Source = "PASI";
        Model_Layers(1, 5) = 70.0; // the model of the sounding before
        ScriptedDialogHost host{answer_box(vbOK)};
        DialogHostGuard guard(host);
        read(write_bytes(c.name, c.bytes));
        SCOPED_TRACE(c.name);
        ASSERT_EQ(host.message_boxes().size(), 1u);
        // The box names the file and why it could not be read.
        EXPECT_EQ(host.message_boxes()[0].text,
                  "Reading File Error...\n\r" + path(c.name) + "\n\r" + c.cause);
        EXPECT_EQ(host.message_boxes()[0].title, "Ohmira 6.5");
        EXPECT_EQ(host.message_boxes()[0].icon, MsgIcon::Exclamation);
        EXPECT_EQ(Nb_Points, c.points);
        EXPECT_EQ(Nb_Superposed, c.pushed);
        EXPECT_EQ(Fresh_Load, vbTrue);
        EXPECT_EQ(Comment, "");
        EXPECT_EQ(open_file_count(), 0);
        // Nothing of the sounding before stays beside what the file gave; its model is stored.
        EXPECT_EQ(Model_Layers(1, 5).num(), 0);
        EXPECT_EQ(Superposed_Models(1, 1, 5).num(), 70);
        EXPECT_EQ(Data_Source, "");
    }
}

TEST_F(Qd3Test, MessagesByLanguage) {
    struct Case {
        char lang;
        const char *no_name;
        const char *read_error;
        const char *not_found;
    } cases[] = {
        {'E', "First, select a SEV File... ", "Reading File Error...",
         "file not found or not readable"},
        {'F', "Sélectionnez d'abord un fichier ", "Erreur lors de la lecture du fichier...",
         "fichier introuvable ou illisible"},
        {'S', "Primero, seleccione un fichero... ", "Error al leer fichero...",
         "fichero no encontrado o ilegible"},
    };
    for (const auto &c : cases) {
        set_language(c.lang);
        ScriptedDialogHost host{answer_box(vbOK), answer_box(vbOK)};
        DialogHostGuard guard(host);
        Comment = "kept";
        File_Name = "";
        std::string p = path("none.QD3");
        Load_QD3(p);
        EXPECT_EQ(Comment, "kept"); // nothing changes without a file name
        read(p);
        ASSERT_EQ(host.message_boxes().size(), 2u);
        EXPECT_EQ(host.message_boxes()[0].text, c.no_name);
        EXPECT_EQ(host.message_boxes()[1].text,
                  std::string(c.read_error) + "\n\r" + p + "\n\r" + c.not_found);
    }
}

TEST_F(Qd3Test, SpacingsBeyondSixteenBitsAreReadAndPassedOver) {
    // Spacings the converters write (a 2-D line of several kilometres): Max_AB2 cannot hold them,
    // so they are passed over, and the whole file is read.
    struct Case {
        double largest;
        std::int16_t max_ab2;
    };
    for (const Case c :
         {Case{32767.4, 32767}, Case{32767.5, 1000}, Case{40000, 1000}, Case{1e6, 1000}}) {
        reset_core_state();
        Nb_Points = 3;
        set_point(1, 100, 50, 10, 100, 1555, 10);
        set_point(2, 1000, 60, 10, 100, 1555, 10);
        set_point(3, c.largest, 70, 10, 100, 1555, 10);
        set_layer(1, 100, 0, 0);
        Comment = "far";
        const std::string p = path("far.QD3");
        ASSERT_EQ(write_qd3_file(p), 0);
        reset_core_state();
        const auto before = host_.message_boxes().size();
        read(p);
        EXPECT_EQ(host_.message_boxes().size(), before) << c.largest;
        EXPECT_EQ(Nb_Points, 3);
        EXPECT_NEAR(Field_Data(3, 1).num(), c.largest, c.largest * 1e-6);
        EXPECT_EQ(Max_AB2, c.max_ab2) << c.largest;
        EXPECT_EQ(Model_Layers(1, 1).num(), 100);
        EXPECT_EQ(Comment, "far");
    }
}

} // namespace
} // namespace ohmira::test
