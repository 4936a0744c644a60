// A random user of the whole window: seeded sequences of actions (opening good and bad files,
// typing into both grids, lines inserted and deleted, tabs, the Setup tab with and without OK,
// resizes, every way to a new sounding, backups, conversions, computations and every save path,
// each box and dialog answered at random). After every action: a file changed only where the
// user said so, and a file of the sounding on screen holds what the grids and boxes show.
//
// OHMIRA_RANDOM_USERS sets the number of sequences (a few hundred by default), and
// OHMIRA_RANDOM_SEED the seed of the first; a failure names its seed and its actions.
#include "../conversions/sample_files.h"
#include "app/app_events.h"
#include "app/main_frame.h"
#include "app/program_exit.h"
#include "commands/open_save.h"
#include "core/sounding.h"
#include "form/applied_array.h"
#include "platform/number_text.h"
#include "platform/runtime_error.h"
#include "program_fixture.h"

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <random>
#include <set>
#include <sstream>

namespace ohmira {

namespace {

namespace fs = std::filesystem;
using Files = std::map<std::string, std::string>;

std::string crlf(const std::vector<std::string> &lines) {
    std::string text;
    for (const std::string &l : lines)
        text += l + "\r\n";
    return text;
}

// A QD3 file of the points and layers given (items as written), with its seven texts.
std::string qd3(const std::vector<std::string> &points, const std::vector<std::string> &layers,
                const std::vector<std::string> &texts) {
    std::vector<std::string> lines{std::to_string(points.size()) + ".5"};
    lines.insert(lines.end(), points.begin(), points.end());
    for (std::size_t j = 0; j < 20; ++j)
        lines.push_back(j < layers.size() ? layers[j] : "0,0,0");
    for (const std::string &t : texts)
        lines.push_back("\"" + t + "\"");
    return crlf(lines);
}

// The files a user opens: sound ones of every kind, and ones that are no sounding.
Files sample_files() {
    const std::vector<std::string> texts{"comment", "", "title", "1", "2", "3", "4"};
    return {
        {"plain.QD3", qd3({"15,5000,50,524,668,7", "25,7000,50,263,1924,7",
                           "40,12000,50,122,4987,5", "60,15000,50,61,11230,5"},
                          {"4000,200,0", "20000,0,200"}, texts)},
        {"half.QD3",
         qd3({"15,9406,50,524,1257,7", "25,14000,50,263,3848,7", "40,24000,50,122,9974,5"},
             {"5000,300,0", "800,0,300"}, {"half", "", "h", "", "", "", ""})},
        {"shift.QD3", qd3({"100,10000,50,0,0,0", "200,15000,50,0,0,0", "200,15000,500,0,0,0",
                           "400,20000,500,0,0,0"},
                          {}, {"shift", "", "", "", "", "", ""})},
        {"dos.SEV", crlf({"SITE 12", "ULMAR 2.1", "1,5,2", "1,1,120,1.5,100,2,0",
                          "2,1,110,2,30,0,0", "3,1,95,3", "4,1,80,4", "5,1,70,5"})},
        {"old.ESW", crlf({"3",
                          "15,50,50,52400,668,700",
                          "25,70,50,26300,1924,700",
                          "40,120,50,12200,4987,500",
                          "40,200,0",
                          "200,0,200",
                          "0,0,0",
                          "0,0,0",
                          "0,0,0",
                          "0,0,0",
                          "0,0,0",
                          "0,0,0",
                          "0,0,0",
                          "0,0,0",
                          "\"esw\"",
                          "\"\"",
                          "\"\"",
                          "\"\"",
                          "\"\"",
                          "\"\"",
                          "\"\""})},
        {"old.QDE",
         crlf({"3",       "1000,45", "2000,60", "5000,80", "50,150,0", "200,0,150", "0,0,0",
               "0,0,0",   "0,0,0",   "0,0,0",   "0,0,0",   "0,0,0",    "0,0,0",     "0,0,0",
               "\"qde\"", "\"\"",    "\"\"",    "\"\"",    "\"\"",     "\"\"",      "\"\""})},
        {"garbage.QD3", "this is no sounding\r\n"},
        {"many.QD3", qd3(std::vector<std::string>(60, "10,100,0,0,0,0"), {}, texts)},
        {"huge.QD3", qd3({"10,1E+40,0,0,0,0"}, {}, texts)},
        {"abem.VES", test::abem_sample()},
        {"bad.VES", "not an instrument file\r\n"},
        {"meter.GTR", test::gtr_sample()},
        {"bad.GTR", "not an instrument file\r\n"},
    };
}

const std::vector<std::string> openable = {"plain.QD3",   "half.QD3", "shift.QD3",
                                           "dos.SEV",     "old.ESW",  "old.QDE",
                                           "garbage.QD3", "many.QD3", "huge.QD3"};

Files files_in(const std::string &folder) {
    Files files;
    for (const auto &e : fs::directory_iterator(folder))
        if (e.is_regular_file())
            files[e.path().filename().string()] = read_file(e.path().string()).value_or("");
    return files;
}

// Answers every box and dialog as a user might, and notes the files the user let change.
class Random_User_Host : public DialogHost {
public:
    Random_User_Host(std::mt19937_64 &rng, std::string folder)
        : rng_(rng), folder_(std::move(folder)) {}

    std::optional<std::string> next_open; // the file the action will pick in an open dialog
    std::set<std::string> allowed;        // the files the user let change in this action
    std::set<std::string> asked_targets;  // the files a save may ask about in this action
    std::vector<std::string> log;         // every box, for a failure's report
    std::vector<std::string> faults;      // what the boxes themselves showed wrong

    int message_box(const MessageBoxRequest &r) override {
        const int answer = answer_box(r);
        log.push_back("box \"" + r.text + "\" -> " + std::to_string(answer));
        return answer;
    }
    InputBoxResult input_box(const InputBoxRequest &) override { return {}; }
    FileDialogResult open_file(const FileDialogRequest &r) override {
        FileDialogResult result;
        if (next_open) {
            result.cancelled = false;
            result.files = {*next_open};
        }
        log.push_back("open \"" + r.title + "\" -> " + (next_open ? *next_open : "cancel"));
        next_open.reset();
        return result;
    }
    FileDialogResult save_file(const FileDialogRequest &) override {
        FileDialogResult result;
        const int pick = roll(10);
        if (pick < 2) {
            log.push_back("save dialog -> cancel");
            return result;
        }
        std::string name;
        if (pick < 6) {
            name = "s" + std::to_string(roll(6));
        } else if (pick < 8) {
            name = "t" + std::to_string(roll(3)) + ".txt";
        } else {
            std::vector<std::string> qd3s;
            for (const auto &[file, bytes] : files_in(folder_))
                if (file.size() > 4 && file.substr(file.size() - 4) == ".QD3" &&
                    file.find("garbage") == std::string::npos && file != "many.QD3" &&
                    file != "huge.QD3")
                    qd3s.push_back(file);
            name = qd3s.empty() ? "s0" : qd3s[static_cast<std::size_t>(roll(qd3s.size()))];
        }
        result.cancelled = false;
        result.files = {folder_ + "/" + name};
        allowed.insert(folder_ + "/" + qd3_file_name(name));
        log.push_back("save dialog -> " + name);
        return result;
    }
    ColorDialogResult choose_color(const ColorDialogRequest &) override { return {}; }
    bool printer_dialog(PrintSettings &) override { return false; }
    bool page_setup_dialog(PrintSettings &) override { return false; }
    void show_modal(Form &form) override {
        if (&form == &frmSplash) {
            const bool fresh = roll(2) == 0;
            log.push_back(std::string("splash -> ") + (fresh ? "Start a new VES" : "Cancel"));
            (fresh ? frmSplash.Command2 : frmSplash.Command1).user_click();
            return;
        }
        log.push_back("form " + form.Name() + " -> closed");
        form.Unload();
    }

    int roll(std::size_t n) {
        return static_cast<int>(std::uniform_int_distribution<std::size_t>(0, n - 1)(rng_));
    }

private:
    // The paths of the folder a box names.
    std::vector<std::string> paths_in(const std::string &text) const {
        std::vector<std::string> paths;
        for (auto at = text.find(folder_); at != std::string::npos;
             at = text.find(folder_, at + 1)) {
            const auto end = text.find_first_of(" \r\n", at);
            paths.push_back(text.substr(at, end == std::string::npos ? end : end - at));
        }
        return paths;
    }

    int answer_box(const MessageBoxRequest &r) {
        const bool save_question = r.text.rfind("Recording File ", 0) == 0 ||
                                   r.text.rfind("Sauvegarde du fichier ", 0) == 0 ||
                                   r.text.rfind("Salvar fichero ", 0) == 0;
        if (save_question) {
            const auto named = paths_in(r.text);
            if (named.size() != 1 || !asked_targets.count(named[0]))
                faults.push_back("a save asks about a file the window does not name: " + r.text);
        }
        int answer = vbOK;
        switch (r.buttons) {
        case MsgButtons::OKOnly:
            return vbOK;
        case MsgButtons::OKCancel:
            answer = roll(3) == 0 ? vbCancel : vbOK;
            break;
        case MsgButtons::YesNo:
            answer = roll(3) == 0 ? vbNo : vbYes;
            break;
        case MsgButtons::YesNoCancel: // leaving the program: mostly stay
            answer = roll(10) < 7 ? vbCancel : roll(3) == 0 ? vbYes : vbNo;
            return answer;
        }
        if (answer == vbYes || answer == vbOK)
            for (const std::string &p : paths_in(r.text))
                allowed.insert(p);
        return answer;
    }

    std::mt19937_64 &rng_;
    std::string folder_;
};

double cell_number(const std::string &text) {
    return text.find_first_not_of(' ') == std::string::npos ? 0.0 : Val(text);
}

// Half a unit of the last digit a cell shows, and of the file's own step.
double tolerance(const std::string &text, double value, double file_step) {
    double shown = 0.5;
    if (const auto dot = text.find('.'); dot != std::string::npos) {
        const auto digits = text.find_first_not_of("0123456789", dot + 1);
        const auto decimals = (digits == std::string::npos ? text.size() : digits) - dot - 1;
        shown = 0.5 * std::pow(10.0, -static_cast<double>(decimals));
    }
    if (text.find('E') != std::string::npos)
        shown = 1e-6 * std::fabs(value);
    return shown + file_step / 2 + 1e-6 * std::fabs(value) + 1e-9;
}

std::vector<std::string> split(const std::string &line) {
    std::vector<std::string> items;
    std::stringstream in(line);
    for (std::string item; std::getline(in, item, ',');)
        items.push_back(item);
    return items;
}

// Where the bytes of a QD3 file differ from what the window shows; "" when they agree.
std::string differences_from_window(const std::string &bytes) {
    std::vector<std::string> lines;
    for (std::size_t at = 0; at < bytes.size();) {
        const auto end = bytes.find("\r\n", at);
        if (end == std::string::npos)
            return "a line without CR LF";
        lines.push_back(bytes.substr(at, end - at));
        at = end + 2;
    }
    if (lines.empty())
        return "an empty file";
    const int n = static_cast<int>(std::floor(std::stod(lines[0])));
    if (static_cast<int>(lines.size()) != 1 + n + 20 + 7)
        return "a file of " + std::to_string(lines.size()) + " lines for " + std::to_string(n) +
               " points";
    std::ostringstream out;
    const auto compare = [&](const std::string &what, const std::string &text, double file_value,
                             double step) {
        double shown = 0;
        try {
            shown = cell_number(text);
        } catch (const RuntimeError &) {
            out << what << ": the window shows \"" << text << "\", no number; ";
            return;
        }
        if (std::fabs(shown - file_value) > tolerance(text, shown, step))
            out << what << ": window \"" << text << "\", file " << file_value << "; ";
    };
    const FlexGrid &field = SEV.BuildGrid;
    const bool wenner = Wenner_Applied();
    for (int i = 1; i <= n; ++i) {
        const auto items = split(lines[static_cast<std::size_t>(i)]);
        if (items.size() != 6)
            return "point " + std::to_string(i) + " has " + std::to_string(items.size()) + " items";
        const auto item = [&](int k) { return std::stod(items[static_cast<std::size_t>(k)]); };
        const std::string row = "row " + std::to_string(i);
        if (i > 50)
            continue;
        compare(row + " spacing", field.TextMatrix(i, 2), item(0) / 10, 0.1);
        compare(row + " resistivity", field.TextMatrix(i, 6), item(1) / 100, 0.01);
        if (!wenner)
            compare(row + " MN/2", field.TextMatrix(i, 1), item(2) / 100, 0.01);
        compare(row + " ΔV", field.TextMatrix(i, 3), item(3) / 10, 0.1);
        compare(row + " I", field.TextMatrix(i, 4), item(5), 1);
        // K shows the first characters of its number: cut, not rounded, so a whole unit of its
        // last digit (or of the file's step) apart.
        if (const std::string k = field.TextMatrix(i, 5); !k.empty())
            compare(row + " K", k, item(4) / 100, 2 * tolerance(k, 0, 0));
    }
    for (int r = n + 1; r <= 50; ++r)
        for (int c : {3, 4, 6})
            if (field.TextMatrix(r, c).find_first_not_of(' ') != std::string::npos)
                out << "row " << r << " shows \"" << field.TextMatrix(r, c)
                    << "\" after the file's last point; ";
    const FlexGrid &model = SEV.Grid1;
    for (int j = 1; j <= 20; ++j) {
        const auto items = split(lines[static_cast<std::size_t>(n + j)]);
        if (items.size() != 3)
            return "layer " + std::to_string(j) + " has " + std::to_string(items.size()) + " items";
        const std::string layer = "layer " + std::to_string(j);
        compare(layer + " resistivity", model.TextMatrix(j, 0), std::stod(items[0]) / 100, 0.01);
        compare(layer + " thickness", model.TextMatrix(j, 1), std::stod(items[1]) / 100, 0.01);
        if (!model.TextMatrix(j, 0).empty() && j > 1)
            compare(layer + " depth", model.TextMatrix(j, 2), std::stod(items[2]) / 100, 0.01);
    }
    const std::array<const TextBox *, 7> boxes{&SEV.Text18,   nullptr,       &SEV.Text29,
                                               &SEV.X_Texte1, &SEV.Y_Texte2, &SEV.Z_Texte3,
                                               &SEV.Azimtext};
    for (std::size_t t = 0; t < 7; ++t) {
        const std::string text = lines[static_cast<std::size_t>(n + 21) + t];
        if (boxes[t] && "\"" + boxes[t]->Text() + "\"" != text)
            out << "text " << t + 1 << ": window \"" << boxes[t]->Text() << "\", file " << text
                << "; ";
    }
    if (SEV.Text19.Text() != SEV.Text29.Text())
        out << "two titles: \"" << SEV.Text19.Text() << "\" and \"" << SEV.Text29.Text() << "\"; ";
    return out.str();
}

// Everything the window shows of the sounding, to tell that a refused command changed nothing.
std::string window_text() {
    std::string all = SEV.Caption() + "\n";
    for (const TextBox *b : {&SEV.Text18, &SEV.Text19, &SEV.Text29, &SEV.X_Texte1, &SEV.Y_Texte2,
                             &SEV.Z_Texte3, &SEV.Azimtext})
        all += b->Text() + "\n";
    for (const FlexGrid *g : {&SEV.BuildGrid, &SEV.Grid1})
        for (int r = 0; r < g->Rows(); ++r)
            for (int c = 0; c < g->Cols(); ++c)
                all += g->TextMatrix(r, c) + "\t";
    return all;
}

std::string shown_caption_file() {
    const std::string caption = SEV.Caption();
    const auto open = caption.find(" ["), close = caption.rfind(']');
    return open == std::string::npos || close == std::string::npos
               ? std::string()
               : caption.substr(open + 2, close - open - 2);
}

std::string without_extension(const std::string &path) {
    const auto dot = path.find_last_of('.');
    return dot == std::string::npos ? path : path.substr(0, dot);
}

class RandomUser : public ProgramTest {
protected:
    // One sequence; "" when every check held, else what failed, with the actions that led there.
    std::string run_sequence(std::uint64_t seed) {
        std::mt19937_64 rng(seed);
        const std::string dir = folder / "user";
        fs::remove_all(dir);
        fs::create_directories(dir);
        fs::remove(ini_path());
        for (const auto &[name, bytes] : sample_files())
            folder.write("user/" + name, bytes);

        Random_User_Host host(rng, dir);
        DialogHostGuard answering{host};
        reset_SEV();
        reset_frmSplash();
        reset_all_state();
        reset_program_end();
        Prepare_Main_Window();
        connect_start_and_exit();
        SEV.Show();

        std::vector<std::string> trace;
        const int length = 20 + host.roll(41);
        for (int step = 0; step < length && !program_ended(); ++step) {
            const Files before = files_in(dir);
            const std::string window_before = window_text();
            host.allowed.clear();
            host.asked_targets.clear();
            host.log.clear();
            // A save may ask only about the file the window names (or its QD3 name).
            const std::string shown = shown_caption_file();
            if (File_Name != "NEW" && !File_Name.empty() && !File_Path.empty() &&
                (shown == File_Path || without_extension(shown) == without_extension(File_Path)))
                host.asked_targets.insert(File_Path);
            bool refused_open = false;
            trace.push_back(act(host, dir, refused_open));
            const Files after = files_in(dir);
            std::string fault;
            for (const std::string &f : host.faults)
                fault += f + "; ";
            host.faults.clear();
            for (const auto &[name, bytes] : after) {
                const auto was = before.find(name);
                if (was != before.end() && was->second == bytes)
                    continue;
                const std::string path = dir + "/" + name;
                if (!host.allowed.count(path))
                    fault += name + " changed without the user's word; ";
                else if (path == File_Path)
                    fault += differences_from_window(bytes);
            }
            for (const auto &[name, bytes] : before)
                if (!after.count(name) && !host.allowed.count(dir + "/" + name))
                    fault += name + " vanished; ";
            if (refused_open && window_text() != window_before) {
                const std::string now = window_text();
                std::size_t at = 0;
                while (at < now.size() && at < window_before.size() && now[at] == window_before[at])
                    ++at;
                const auto excerpt = [at](std::string text) {
                    text = text.substr(at > 30 ? at - 30 : 0, 60);
                    for (char &ch : text)
                        if (ch == '\n' || ch == '\t')
                            ch = '|';
                    return text;
                };
                fault += "a file refused changed the window at \"" + excerpt(window_before) +
                         "\" -> \"" + excerpt(now) + "\"; ";
            }
            if (!fault.empty()) {
                std::string report = "seed " + std::to_string(seed) + ": " + fault + "\n";
                for (const std::string &t : trace)
                    report += "  " + t + "\n";
                for (const std::string &l : host.log)
                    report += "    " + l + "\n";
                return report;
            }
        }
        return "";
    }

    // One action of the user, described for the report.
    std::string act(Random_User_Host &host, const std::string &dir, bool &refused_open) {
        const auto pick = [&](std::size_t n) { return host.roll(n); };
        const auto key_text = [&](std::string &shown) {
            switch (pick(6)) {
            case 0:
                shown = "Delete";
                return std::vector<int>{vbKeyDelete};
            case 1:
                shown = std::string(40, '9');
                return std::vector<int>(40, '9');
            case 2:
                shown = "Backspace";
                return std::vector<int>{vbKeyBack};
            default: {
                const std::string digits =
                    std::to_string(1 + pick(900)) + (pick(2) ? "." + std::to_string(pick(10)) : "");
                shown = digits;
                std::vector<int> keys;
                for (char ch : digits)
                    keys.push_back(ch == '.' ? 190 : ch);
                return keys;
            }
            }
        };
        switch (pick(25)) {
        case 0:
        case 1: {
            const std::string name = openable[static_cast<std::size_t>(pick(openable.size()))];
            host.next_open = dir + "/" + name;
            if (pick(2))
                SEV.NFile.user_click();
            else
                SEV.Toolbar1.user_click_button("open");
            // A file the reader refused leaves the window as it was.
            for (const std::string &l : host.log)
                refused_open = refused_open || l.find("Reading File Error") != std::string::npos ||
                               l.find("Erreur lors de la lecture") != std::string::npos ||
                               l.find("Error al leer") != std::string::npos;
            return "open " + name;
        }
        case 2: {
            MenuItem *items[] = {&SEV.F1_F, &SEV.F2_F, &SEV.F3_F, &SEV.F4_F, &SEV.F5_F};
            const int k = pick(5);
            items[k]->user_click();
            return "recent file " + std::to_string(k + 1);
        }
        case 3:
        case 4:
        case 5: {
            const int r = 1 + pick(std::min(50, Nb_Points + 4));
            const int cols[] = {1, 2, 3, 4, 6};
            const int c = cols[pick(5)];
            std::string shown;
            SEV.BuildGrid.user_click_cell(r, c);
            for (int key : key_text(shown))
                SEV.BuildGrid.user_key_down(key);
            if (pick(3) == 0) {
                SEV.BuildGrid.user_key_down(vbKeyDown);
                shown += ", Down";
            }
            return "field cell " + std::to_string(r) + "," + std::to_string(c) + ": " + shown;
        }
        case 6:
        case 7: {
            const int r = 1 + pick(6), c = pick(2);
            std::string shown;
            SEV.Grid1.user_click_cell(r, c);
            for (int key : key_text(shown))
                SEV.Grid1.user_key_down(key);
            return "model cell " + std::to_string(r) + "," + std::to_string(c) + ": " + shown;
        }
        case 8: {
            const int r = 1 + pick(std::min(50, Nb_Points + 2));
            SEV.BuildGrid.user_click_cell(r, 2);
            (pick(2) ? SEV.RecordButton : SEV.CorrectButton).user_click();
            return "insert or delete field line " + std::to_string(r);
        }
        case 9: {
            const int r = 1 + pick(5);
            SEV.Grid1.user_click_cell(r, 0);
            (pick(2) ? SEV.InsLine : SEV.delLine).user_click();
            return "insert or delete layer " + std::to_string(r);
        }
        case 10: {
            const int tab = 1 + pick(4);
            SEV.SSTab1.user_select_tab(tab);
            if (pick(4) == 0)
                return "tab " + std::to_string(tab);
            SEV.SSTab1.user_select_tab(0);
            return "tab " + std::to_string(tab) + " and back";
        }
        case 11: {
            SEV.SSTab1.user_select_tab(2);
            OptionButton *options[] = {&SEV.Option1, &SEV.Option2, &SEV.Option3};
            const int k = pick(3);
            options[k]->user_click();
            const bool language = pick(3) == 0;
            if (language)
                SEV.Combo6.user_select(pick(4));
            const bool ok = pick(2);
            if (ok)
                SEV.Command11.user_click();
            SEV.SSTab1.user_select_tab(0);
            return "setup: array " + std::to_string(k + 1) + (language ? ", language" : "") +
                   (ok ? ", OK" : ", no OK");
        }
        case 12: {
            SEV.resize(15000 + 1000 * pick(8), 10000 + 800 * pick(8));
            return "resize";
        }
        case 13: {
            switch (pick(5)) {
            case 0:
                SEV.Toolbar1.user_click_button("bilog");
                return "new: toolbar";
            case 1:
                SEV.NewFile.user_click();
                SEV.SSTab1.user_select_tab(0);
                return "new: File New";
            case 2:
                SEV.Command1.user_click();
                return "new: data page";
            default:
                SEV.WS.user_click();
                return "About box";
            }
        }
        case 14: {
            const std::string bak = dir + "/b" + std::to_string(pick(3)) + ".BAK";
            std::filesystem::copy_file(dir + "/plain.QD3", bak,
                                       fs::copy_options::overwrite_existing);
            host.allowed.insert(bak); // the backup the user just made
            host.next_open = pick(4) ? std::optional<std::string>(bak) : std::nullopt;
            SEV.Bak_M.user_click();
            return "BAK to QD3";
        }
        case 15: {
            // An instrument file converted beside itself: read, refused or the dialog cancelled.
            const bool abem = pick(2);
            const std::string stem = abem ? "abem" : "meter";
            const std::string ending = abem ? ".VES" : ".GTR";
            const int k = pick(3);
            if (k < 2)
                host.next_open = dir + "/" + (k == 0 ? stem : std::string("bad")) + ending;
            host.asked_targets.insert(dir + "/" + stem + ".QD3");
            host.asked_targets.insert(dir + "/bad.QD3");
            (abem ? SEV.NAbem : SEV.Geotrade).user_click();
            return std::string(abem ? "ABEM" : "Geotrade") + " conversion: " +
                   (k == 0   ? "read"
                    : k == 1 ? "bad"
                             : "cancel");
        }
        case 16:
            SEV.Calcul_Button.user_click();
            return "compute";
        case 17:
            SEV.Ajuste_Button.user_click();
            return "fit";
        case 18:
            SEV.Computation.user_click();
            return "compute / fit of the data page";
        case 19:
            switch (pick(4)) {
            case 0:
                SEV.lastone.user_click();
                return "<";
            case 1:
                SEV.nextone.user_click();
                return ">";
            case 2:
                SEV.Check18.user_click();
                return "overlay box";
            default:
                SEV.NModele.user_click();
                return "model menu";
            }
        case 20: {
            TextBox *boxes[] = {&SEV.Text18,   &SEV.Text29,   &SEV.Text19,
                                &SEV.X_Texte1, &SEV.Z_Texte3, &SEV.Azimtext};
            if (pick(4) == 0) { // the marine-floor correction
                SEV.Reau.user_set_text(std::to_string(pick(3000)));
                SEV.Marine_floor.user_click();
                return "marine floor " + SEV.Reau.Text();
            }
            TextBox *box = boxes[pick(6)];
            const std::string text = "t" + std::to_string(pick(100));
            box->user_set_text(text);
            return box->Name() + " := " + text;
        }
        case 21:
            SEV.NRecord.user_click();
            return "File Save (Ctrl+S)";
        case 22:
            if (pick(2)) {
                SEV.Toolbar1.user_click_button("save");
                return "toolbar save";
            }
            SEV.Record_Button.user_click();
            return "model panel save";
        case 23:
            SEV.SaveButton.user_click();
            return "data page save";
        default:
            if (pick(3) == 0) {
                Request_Exit();
                return "leave the program";
            }
            SEV.ExitButton.user_click();
            return "data page quit";
        }
    }
};

std::uint64_t env_number(const char *name, std::uint64_t fallback) {
    const char *v = std::getenv(name);
    return v && *v ? std::strtoull(v, nullptr, 10) : fallback;
}

} // namespace

TEST_F(RandomUser, EverySaveWritesWhatTheWindowShowsAndNothingElse) {
    const std::uint64_t first = env_number("OHMIRA_RANDOM_SEED", 1);
    const std::uint64_t count = env_number("OHMIRA_RANDOM_USERS", 200);
    int failures = 0;
    for (std::uint64_t seed = first; seed < first + count && failures < 3; ++seed) {
        const std::string report = run_sequence(seed);
        if (!report.empty()) {
            ADD_FAILURE() << report;
            ++failures;
        }
    }
}

} // namespace ohmira
