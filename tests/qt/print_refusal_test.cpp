// Printing to a CUPS queue that refuses jobs, on a print server of the test's own: a cupsd with
// its configuration, spool and port in a temporary folder, stopped at the end. The Print button
// of the sheet page gives the print failure box for the refusing queue, and prints on the
// accepting queue under the sounding's file name; Print to File into a missing folder names it.
// Skipped where cupsd cannot be started.
#include "app/app_state.h"
#include "app/main_frame.h"
#include "core/language.h"
#include "core/sounding.h"
#include "form/sev_form.h"
#include "main_window_fixture.h"
#include "platform/printer.h"
#include "platform/qt/cups_print_system.h"
#include "platform/qt/print_settings_qt.h"
#include "platform/scripted_dialog_host.h"
#include "printing/sheet_preview.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QPrinterInfo>
#include <QProcess>
#include <QTabBar>
#include <QTemporaryDir>

#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <thread>

namespace ohmira::qt {
namespace {

// A port of the loopback interface that is free now.
int free_port() {
    const int s = ::socket(AF_INET, SOCK_STREAM, 0);
    if (s < 0)
        return 0;
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t len = sizeof a;
    int port = 0;
    if (::bind(s, reinterpret_cast<sockaddr *>(&a), sizeof a) == 0 &&
        ::getsockname(s, reinterpret_cast<sockaddr *>(&a), &len) == 0)
        port = ntohs(a.sin_port);
    ::close(s);
    return port;
}

bool answers(int port) {
    const int s = ::socket(AF_INET, SOCK_STREAM, 0);
    if (s < 0)
        return false;
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    a.sin_port = htons(static_cast<uint16_t>(port));
    const bool ok = ::connect(s, reinterpret_cast<sockaddr *>(&a), sizeof a) == 0;
    ::close(s);
    return ok;
}

bool write_file(const QString &path, const QString &text) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(text.toUtf8()) == text.toUtf8().size();
}

// A cupsd of the test's own with two raw queues writing into /dev/null: "ohmira-accepts" (the
// default) and "ohmira-refuses", which does not accept jobs.
class LocalCupsd {
public:
    LocalCupsd() : root_(QDir::tempPath() + QStringLiteral("/ohmira-cupsd-XXXXXX")) {}
    ~LocalCupsd() {
        if (process_.state() != QProcess::NotRunning) {
            process_.terminate();
            if (!process_.waitForFinished(5000))
                process_.kill();
            process_.waitForFinished(2000);
        }
    }

    // Empty when started, else why not.
    std::string start() {
        const QString cupsd = QFileInfo::exists("/usr/sbin/cupsd") ? "/usr/sbin/cupsd" : QString();
        if (cupsd.isEmpty())
            return "no cupsd on this machine";
        if (!root_.isValid())
            return "no temporary folder";
        // Another process may take the free port before cupsd does: then cupsd stops, and
        // another port is tried.
        std::string why;
        for (int attempt = 0; attempt < 3; ++attempt) {
            why = start_on_a_free_port(cupsd);
            if (why.empty() || process_.state() != QProcess::NotRunning)
                break;
        }
        return why;
    }

    // Whether a job file of the spool names `title` (within a few seconds: cupsd writes its job
    // files after the job was taken).
    bool spooled(const QByteArray &title) const {
        for (int attempt = 0; attempt < 50; ++attempt) {
            QDirIterator it(root_.path() + "/spool", QDir::Files);
            while (it.hasNext()) {
                QFile f(it.next());
                if (f.open(QIODevice::ReadOnly) && f.readAll().contains(title))
                    return true;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
        return false;
    }
    // The jobs cupsd took: their control files "c" and 5 digits (not the copies cupsd writes
    // before renaming them over these).
    int jobs() const {
        int n = 0;
        for (const QString &name : QDir(root_.path() + "/spool").entryList({"c0*"}, QDir::Files))
            n += name.size() == 6;
        return n;
    }

private:
    std::string start_on_a_free_port(const QString &cupsd) {
        port_ = free_port();
        if (port_ == 0)
            return "no free port";
        const QString d = root_.path();
        for (const char *sub : {"spool", "tmp", "cache", "state", "log"})
            QDir(d).mkpath(sub);
        const bool written =
            write_file(d + "/cupsd.conf",
                       QString("Listen 127.0.0.1:%1\nLogLevel warn\n"
                               "Browsing No\nWebInterface No\nDirtyCleanInterval 0\n"
                               "DefaultAuthType None\n<Location />\n"
                               "  Order allow,deny\n  Allow all\n"
                               "</Location>\n")
                           .arg(port_)) &&
            write_file(d + "/cups-files.conf",
                       QString("ServerRoot %1\nRequestRoot %1/spool\nTempDir %1/tmp\n"
                               "CacheDir %1/cache\nStateDir %1/state\n"
                               "ErrorLog %1/log/error_log\nAccessLog %1/log/access_log\n"
                               "PageLog %1/log/page_log\nFileDevice Yes\n")
                           .arg(d)) &&
            write_file(d + "/printers.conf",
                       "<Printer ohmira-refuses>\nDeviceURI file:///dev/null\nState Idle\n"
                       "Accepting No\nShared No\n</Printer>\n"
                       "<DefaultPrinter ohmira-accepts>\nDeviceURI file:///dev/null\n"
                       "State Idle\nAccepting Yes\nShared No\n</DefaultPrinter>\n");
        if (!written)
            return "cannot write the configuration";
        process_.setProcessChannelMode(QProcess::MergedChannels);
        process_.start(cupsd, {"-f", "-c", d + "/cupsd.conf", "-s", d + "/cups-files.conf"});
        if (!process_.waitForStarted(5000))
            return "cupsd does not start";
        for (int i = 0; i < 300 && !answers(port_); ++i) {
            if (process_.state() == QProcess::NotRunning)
                return "cupsd stopped: " + process_.readAll().toStdString();
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        if (!answers(port_))
            return "cupsd does not answer";
        setenv("CUPS_SERVER", ("127.0.0.1:" + std::to_string(port_)).c_str(), 1);
        return {};
    }

    QTemporaryDir root_;
    QProcess process_;
    int port_ = 0;
};

class PrintRefusal : public testing::MainWindowTest {
protected:
    PrintRefusal() { shown_at_start = false; } // show_print_tab() shows it
    void SetUp() override {
        // Started before the application, whose printer is the first to ask libcups for its server.
        if (const std::string why = cupsd.start(); !why.empty())
            GTEST_SKIP() << why;
        testing::app();
        // libcups asks the server of CUPS_SERVER unless this process already asked another.
        if (QPrinterInfo::printerInfo("ohmira-refuses").isNull())
            GTEST_SKIP() << "the print system of this process is not the test's cupsd";
        MainWindowTest::SetUp();
    }
    void prepare() override {
        Lang_English = true;
        Lang_French = Lang_Spanish = Lang_German = false;
        File_Name = "S12.QD3";
    }

    LocalCupsd cupsd;
};

TEST_F(PrintRefusal, ARefusingQueueGivesTheFailureBoxAndAnAcceptingOneTheJobTitled) {
    show_print_tab();
    ASSERT_GT(SEV.VSPrint.PageCount(), 0);

    shared_printer().setOutputFormat(QPrinter::NativeFormat);
    shared_printer().setPrinterName("ohmira-refuses");
    ASSERT_EQ(shared_printer().printerName(), "ohmira-refuses");
    QString told;
    testing::when_open<QMessageBox>([this, &told](QMessageBox &box) {
        told = box.text();
        shot(&box, "print-refused-box");
        box.button(QMessageBox::Ok)->click();
    });
    QTest::mouseClick(view->widget_of("cmdPrint"), Qt::LeftButton);
    EXPECT_EQ(told.toStdString(), "The VSPrinter control raised the Error event with the 5 code.\n"
                                  "The print queue refused the job.");
    EXPECT_TRUE(SEV.VSPrint.print_jobs().empty());

    // The accepting queue takes the job, under the sounding's file name; no box.
    shared_printer().setPrinterName("ohmira-accepts");
    testing::BoxSeen none;
    testing::answer_box(QMessageBox::Ok, &none);
    QTest::mouseClick(view->widget_of("cmdPrint"), Qt::LeftButton);
    EXPECT_TRUE(none.text.isEmpty()) << none.text.toStdString();
    EXPECT_EQ(SEV.VSPrint.print_jobs().size(), 1u);
    EXPECT_TRUE(cupsd.spooled("S12.QD3"));
    EXPECT_EQ(cupsd.jobs(), 1); // none from the refused print
    view->close();
}

// Print to File chosen in the printer set-up into a folder that is missing (or went away since):
// the box names the file with its folder and says why; nothing is printed, no failure box follows.
TEST_F(PrintRefusal, PrintToFileIntoAMissingFolderNamesIt) {
    show_print_tab();
    ASSERT_GT(SEV.VSPrint.PageCount(), 0);
    const QString pdf = temp.path() + "/gone/S12.pdf";
    shared_printer().setOutputFormat(QPrinter::PdfFormat);
    shared_printer().setOutputFileName(pdf);
    ScriptedDialogHost host{ohmira::answer_box(vbOK)};
    DialogHostGuard guard(host);
    QTest::mouseClick(view->widget_of("cmdPrint"), Qt::LeftButton);
    EXPECT_TRUE(host.failures().empty()) << host.failures()[0];
    ASSERT_EQ(host.message_boxes().size(), 1u);
    EXPECT_EQ(host.message_boxes()[0].text,
              "Cannot write " + pdf.toStdString() + "\r\nNo such file or directory");
    EXPECT_TRUE(SEV.VSPrint.print_jobs().empty());
    EXPECT_FALSE(QFileInfo::exists(temp.path() + "/gone"));
    EXPECT_EQ(cupsd.jobs(), 0);
    shared_printer().setOutputFormat(QPrinter::NativeFormat);
    view->close();
}

// Qt's print engine reports success for a job the queue turned away; the print system's answer
// to the job itself tells it, also when the queue was still taking jobs a moment before.
TEST_F(PrintRefusal, TheRefusalOfAJobAlreadyDrawnIsSeen) {
    const PrintSystem cups = cups_print_system();
    ASSERT_TRUE(cups.queue_state && cups.last_job_refused);
    for (const char *queue : {"ohmira-accepts", "ohmira-refuses"}) {
        const bool refuses = std::string(queue) == "ohmira-refuses";
        const std::optional<PrintQueueState> state = cups.queue_state(queue);
        ASSERT_TRUE(state && state->exists) << queue;
        EXPECT_EQ(state->accepting, !refuses) << queue;
        QPrinter printer(QPrinter::HighResolution);
        printer.setPrinterName(queue);
        printer.setDocName("S13.QD3");
        QPainter p;
        ASSERT_TRUE(p.begin(&printer)) << queue;
        p.drawText(100, 100, "S13");
        EXPECT_TRUE(p.end()) << queue; // success whatever the queue did
        EXPECT_EQ(cups.last_job_refused(), refuses) << queue;
    }
    const std::optional<PrintQueueState> gone = cups.queue_state("ohmira-removed");
    ASSERT_TRUE(gone);
    EXPECT_FALSE(gone->exists);
}

} // namespace
} // namespace ohmira::qt
