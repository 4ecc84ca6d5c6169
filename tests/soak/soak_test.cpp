// A seeded random walk through the four windows. Every step is something a user
// can do; after each one the program must still keep its promises about bytes,
// files and window states. TRELLAN_SOAK_SEED replays a run, TRELLAN_SOAK_ACTIONS
// sets its length.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDirIterator>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>
#include <deque>
#include <functional>
#include <iostream>
#include <map>
#include <random>
#include <set>

#include "about/ui/form2.h"
#include "advanced/ui/form4.h"
#include "common/ui/jpeg_picture.h"
#include "main_window/ui/click_label.h"
#include "main_window/ui/form1.h"
#include "main_window/ui/list_box.h"
#include "script/ui/form3.h"
#include "script/ui/script_preview.h"
#include "support/code_page.h"
#include "support/gui_support.h"
#include "support/write_fault.h"

namespace trellan::testing {
namespace {

const QString kCustomize = QStringLiteral("tpa/preset/custom/customize.xml");

// Files the open dialogs may be answered with; each is created with its own name as content.
const QStringList kPoolFiles = {"Tones/beep.mid",
                                "Tones/beep.amr",
                                "Tönë Ordner/ring tone.mid",
                                "Tönë Ordner/ring tone.amr",
                                "solo.mid",
                                "RING.MID",
                                "RING.amr",
                                "notes.txt",
                                "lang/de.lng",
                                "lang/de.t9",
                                "lang/fr.lng",
                                "lang/solo.t9",
                                "Bilder/frame one.png",
                                "Bilder/Bild ü.png",
                                "Bilder/pic.jpg"};
// Answers naming nothing that can be opened: missing files and a folder.
const QStringList kMissing = {"missing.mid", "Bilder/weg.png", "lang/none.lng", "Tones"};

struct SaveTarget {
    const char* path;
    bool writable;
};
// The script's save targets: "read-only.txt" lacks its owner-write bit, "out" is a folder,
// "locked" refuses new files (its owner-write bit is off) but lets its file be rewritten.
const SaveTarget kSaveTargets[] = {
    {"out/script.txt", true},    {"Tönë Ordner/saved script.txt", true},
    {"out/no extension", true},  {"read-only.txt", false},
    {"no folder/x.txt", false},  {"out", false},
    {"locked/script.txt", true}, {"locked/new.txt", false}};

// Folders that refuse new files. Their owner-write bit is off, which refuses a user
// on Linux; the write-fault seam refuses root, and Windows, where a folder refuses
// by its ACL, in the same way.
std::set<QString> refusingFolders;
bool refusesNewFiles(const QString& folder) {
    return refusingFolders.count(QFileInfo(folder).canonicalFilePath()) > 0;
}
void setRefusing(const QString& folder, bool refusing) {
    QFile::Permissions p = QFileInfo(folder).permissions();
    p.setFlag(QFileDevice::WriteOwner, !refusing);
    p.setFlag(QFileDevice::WriteUser, !refusing);
    QFile::setPermissions(folder, p);
    if (refusing) {
        refusingFolders.insert(QFileInfo(folder).canonicalFilePath());
    } else {
        refusingFolders.erase(QFileInfo(folder).canonicalFilePath());
    }
}
const QString kCustomFolder = QStringLiteral("tpa/preset/custom");

const QString kTyped = QStringLiteral("0123456789 abcXYZ./\\-_#äöüé€\n");

// The oracle's own reading of the files, from the rules of their formats.

// The texts between line breaks (CR LF, LF or CR): a final break leaves an empty last one.
QByteArrayList pieces(const QByteArray& bytes) {
    return QByteArray(bytes).replace("\r\n", "\n").replace('\r', '\n').split('\n');
}

// A catalogue's lines: every line counts, a break after the last adds none.
QByteArrayList catalogueLines(const QByteArray& bytes) {
    QByteArrayList lines = pieces(bytes);
    if (lines.back().isEmpty()) lines.removeLast();
    return lines;
}

// Text as the system's 8-bit set holds it: UTF-8, or Windows-1252, which is Latin-1
// but for 0x80 to 0x9F. A character it lacks becomes "\x7F", which no file holds.
QByteArray system8(const QString& text) {
    if (systemCodePage() == CodePage::Utf8) return text.toUtf8();
    static const QString high = QStringLiteral(
        u"\u20AC\u0081\u201A\u0192\u201E\u2026\u2020\u2021\u02C6\u2030\u0160\u2039\u0152\u008D"
        u"\u017D\u008F\u0090\u2018\u2019\u201C\u201D\u2022\u2013\u2014\u02DC\u2122\u0161\u203A"
        u"\u0153\u009D\u017E\u0178");
    QByteArray bytes;
    for (const QChar c : text) {
        const qsizetype at = high.indexOf(c);
        const bool latin1 = c.unicode() < 0x80 || (c.unicode() >= 0xA0 && c.unicode() <= 0xFF);
        bytes += at >= 0 ? char(0x80 + at) : latin1 ? char(c.unicode()) : '\x7F';
    }
    return bytes;
}

using Tree = std::map<QString, QByteArray>;

// Every file below `root`, by relative path, with its bytes.
Tree snapshot(const QString& root) {
    Tree tree;
    const QDir dir(root);
    QDirIterator it(root, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        tree[dir.relativeFilePath(file)] = readFile(file);
    }
    return tree;
}

// The files that differ between two trees, or "" when none does.
std::string differences(const Tree& now, const Tree& expected) {
    std::string text;
    for (const auto& [file, bytes] : now) {
        const auto other = expected.find(file);
        if (other == expected.end()) {
            text += " new:" + file.toStdString();
        } else if (other->second != bytes) {
            // The first line that differs, as it is and as it must be.
            const QByteArrayList is = pieces(bytes), must = pieces(other->second);
            qsizetype n = 0;
            while (n < is.size() && n < must.size() && is[n] == must[n]) ++n;
            text +=
                " changed:" + file.toStdString() +
                (is == must ? " (line ends)"
                            : " line " + std::to_string(n + 1) + " \"" + is.value(n).toStdString() +
                                  "\" not \"" + must.value(n).toStdString() + "\"");
        }
    }
    for (const auto& [file, bytes] : expected) {
        if (now.count(file) == 0) text += " gone:" + file.toStdString();
    }
    return text;
}

// The offscreen platform warns at every window brought to the front; thousands of
// those would bury a failure's message.
QtMessageHandler previousHandler = nullptr;
void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message != QLatin1String("This plugin does not support raise()")) {
        previousHandler(type, context, message);
    }
}

bool clickable(const QWidget* widget) { return widget->isVisible() && widget->isEnabled(); }
// A control's own enabled state, whether or not its window is disabled.
bool enabled(const QWidget* widget) { return widget->isEnabledTo(widget->window()); }

// Types text as keys; characters beyond ASCII come as a key without a key code.
void type(QWidget* widget, const QString& text) {
    for (const QChar c : text) {
        if (c == QLatin1Char('\n')) {
            QTest::keyClick(widget, Qt::Key_Return);
        } else if (c.unicode() < 128) {
            QTest::keyClick(widget, c.toLatin1());
        } else {
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    }
}

class Soak;

// One thing a user can do in a window, when that window is shown.
struct Action {
    const char* name;
    int window;  // 1 to 4
    int weight;  // how often it is taken, relative to the others
    std::function<void(Soak&)> run;
};

// What the main window must show, kept from the catalogues as the user chose.
struct MainModel {
    bool templateRead = false;
    QByteArray templateBytes;
    QByteArray model;
    QByteArrayList variants;         // the chosen model's catalogue
    std::vector<qsizetype> rows;     // its lines that ListBox2 lists
    std::optional<qsizetype> entry;  // the line the chosen entry starts at
    QString status;

    // Fields of the chosen entry: 0 file system, country, operator, CDA number, revision,
    // 5 languages; past the end of the catalogue a field is empty.
    QByteArray field(qsizetype k) const { return variants.value(*entry + k); }
};

// customize.xml after "Update": lines 6 to 11 and 71 put in where the file has them,
// every other line as it was, CR LF between lines.
QByteArray customized(const QByteArray& file, const MainModel& m, bool cameraOn) {
    QByteArrayList lines = pieces(file);
    const std::pair<qsizetype, QByteArray> put[] = {
        {6, "      <cda-number>" + m.field(3) + "</cda-number>"},
        {7, "      <cda-revision>" + m.field(4) + "</cda-revision>"},
        {8, "      <model>" + m.model + "</model>"},
        {9, "      <country>" + m.field(1) + "</country>"},
        {10, "      <operator>" + m.field(2) + "</operator>"},
        {11, "      <language-variant-name>" + m.field(0) + "</language-variant-name>"},
        {71, cameraOn ? "        <suppress-camera-sound>false</suppress-camera-sound>"
                      : "        <suppress-camera-sound>true</suppress-camera-sound>"}};
    for (const auto& [at, line] : put) {
        if (at < lines.size()) lines[at] = line;
    }
    return lines.join("\r\n");
}

class Soak : public GuiTest {
protected:
    TForm1* f1() const { return windows_->set().form1; }
    TForm2* f2() const { return windows_->set().form2; }
    TForm3* f3() const { return windows_->set().form3; }
    TForm4* f4() const { return windows_->set().form4; }

    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
    bool chance(int percent) { return below(100) < percent; }
    template <typename List>
    auto any(const List& list) {
        return list[below(static_cast<int>(std::size(list)))];
    }
    QString randomText() {
        // Now and then a character no script may hold: whatever takes it is refused.
        const QString typed = kTyped + outside_ + outside_;
        QString text;
        for (int n = below(9); n > 0; --n) text += typed[below(typed.size())];
        return text;
    }

    void prepare();
    void step(int index);
    void checkInvariants();
    bool boxShown() { return platform_.boxes().size() > boxesBefore_; }

    // One answer for the next open dialog: a pool file, a missing name, or a cancel.
    void answerOpen() {
        if (chance(10)) {
            platform_.openAnswers.push_back(std::nullopt);
        } else {
            const QString file = chance(5)    ? outsideFile_
                                 : chance(80) ? any(kPoolFiles)
                                              : any(kMissing);
            platform_.openAnswers.push_back(native(file));
        }
    }
    void chooseModel();
    void chooseEntry();
    void keyInList();
    void modelChosen(int row);
    void entryChosen(int row);
    void clearAllFields();
    void update();
    void save();
    void addAction(QPushButton* button);
    static std::vector<Action> mainWindowActions();
    static std::vector<Action> otherProgramActions();
    static std::vector<Action> soundActions();
    static std::vector<Action> generatorActions();
    static std::vector<Action> fileChangeActions();
    static std::vector<Action> optionActions();
    static std::vector<Action> languageActions();
    static const std::vector<Action>& actions();

    std::mt19937 rng_;
    std::deque<std::string> recent_;  // the last actions, for the failure message
    size_t boxesBefore_ = 0;
    MainModel main_;
    QByteArrayList models_;
    bool saveEnabled_ = false;
    bool handBack_ = false;
    bool customizeReadOnly_ = false;
    Tree expected_;  // the working folder as it must be
    Tree sibling_;
    Tree data_;
    QString dataDir_;  // the shipped samples, with the drive they are on
    QString outside_ = characterOutsideCodePage();
    QString outsideFile_ = "Fremd/" + outside_ + ".mid";
    QTemporaryDir siblingDir_;
    qsizetype bandLocks_ = 0;
    const ScopedWriteFault refusing_{
        WriteStep::CreateTemporary, [](const QString& file) {
            return refusesNewFiles(QFileInfo(file).path())
                       ? std::optional<StepFault>(StepFault{"Permission denied", true, {}})
                       : std::nullopt;
        }};
};

void Soak::prepare() {
    copySampleData();
    // A model whose catalogue is missing, and one whose catalogue has all three line ends,
    // "#" inside an entry, no end marker, a name that is an earlier country and one used
    // twice (the first line that equals it wins), and a last entry cut short.
    writeFile(dir_.path(), "cda/models.cdt",
              readFile(path("cda/models.cdt")) + "NoCatalogue\r\nTricky\r\n");
    writeFile(
        dir_.path(), "cda/Tricky.cdt",
        "A\nNordic\rOp\r\n#\nR1\nEN\n\nNordic\nB\nC\nD\nE\nF\nG\nA\nH\nI\nJ\nK\nL\nM\nTail\nLand");
    // Entries whose bytes no script may carry: they must be refused, never mangled.
    writeFile(dir_.path(), "cda/bandlock.cdt",
              "30\xA9"
              "31\r\nLossy\r\n" +
                  readFile(path("cda/bandlock.cdt")));
    writeFile(dir_.path(), "cda/sound.cdt", readFile(path("cda/sound.cdt")) + "lossy\xA9.mid\r\n");
    for (const QString& file : kPoolFiles) writeFile(dir_.path(), file, file.toUtf8());
    if (systemCodePage() == CodePage::Windows1252) {  // Linux names no unpaired surrogate
        writeFile(dir_.path(), outsideFile_, "MThd");
        writeFile(dir_.path(), "Fremd/" + outside_ + ".amr", "amr");
    }
    writeFile(dir_.path(), "read-only.txt", "old");
    writeFile(dir_.path(), "out/keep.txt", "kept");
    writeFile(dir_.path(), "locked/script.txt", "old");
    setRefusing(path("locked"), true);
    QFile(path("read-only.txt")).setPermissions(QFileDevice::ReadOwner | QFileDevice::ReadGroup);
    writeFile(siblingDir_.path(), "customize.xml", "sibling");
    writeFile(siblingDir_.path(), "out/script.txt", "sibling");
    expected_ = snapshot(dir_.path());
    sibling_ = snapshot(siblingDir_.path());
    // Taken before the current folder moves: "/work/data" on Windows means the current drive.
    dataDir_ = QDir(QStringLiteral(TRELLAN_DATA_DIR)).canonicalPath();
    data_ = snapshot(dataDir_);
    models_ = catalogueLines(expected_["cda/models.cdt"]);

    ASSERT_TRUE(QDir::setCurrent(dir_.path()));
    previousHandler = qInstallMessageHandler(quietHandler);
    create();
    f1()->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(f1()));
    ASSERT_TRUE(platform_.boxes().empty()) << platform_.boxes().front().text.toStdString();
    main_.templateRead = true;
    main_.templateBytes = expected_[kCustomize];
    main_.status = QStringLiteral("Please chose phone model...");
    bandLocks_ = f4()->ComboBox2->count();
}

// The row a list shows selected, or -1.
int selectedRow(const QListWidget* list) {
    const QListWidgetItem* item = list->currentItem();
    return item != nullptr && item->isSelected() ? list->currentRow() : -1;
}

// A key on one of the main window's lists: choosing is leaving another row selected.
void Soak::keyInList() {
    ListBox* list = chance(50) ? f1()->ListBox1 : f1()->ListBox2;
    const int before = selectedRow(list);
    list->setFocus();
    QTest::keyClick(list, any(std::array{Qt::Key_Down, Qt::Key_Up, Qt::Key_End, Qt::Key_Home,
                                         Qt::Key_PageDown, Qt::Key_Space}));
    const int after = selectedRow(list);
    if (after < 0 || after == before) return;
    if (list == f1()->ListBox1) {
        modelChosen(after);
    } else {
        entryChosen(after);
    }
}

void Soak::chooseModel() {
    const int row = below(f1()->ListBox1->count());
    chooseRow(f1()->ListBox1, row);
    modelChosen(row);
}

void Soak::modelChosen(int row) {
    main_.model = models_.at(row);
    main_.entry.reset();
    main_.rows.clear();
    const auto catalogue = expected_.find("cda/" + QString::fromUtf8(main_.model) + ".cdt");
    if (catalogue != expected_.end()) {
        // Lines 0, 7, 14, ... up to a "#" where the next entry would begin.
        main_.variants = catalogueLines(catalogue->second);
        for (qsizetype i = 0; i < main_.variants.size() && (i == 0 || main_.variants[i] != "#");
             i += 7) {
            main_.rows.push_back(i);
        }
        main_.status = QStringLiteral("Please chose file system...");
    }
}

void Soak::chooseEntry() {
    if (f1()->ListBox2->count() == 0) return;
    const int row = below(f1()->ListBox2->count());
    chooseRow(f1()->ListBox2, row);
    entryChosen(row);
}

void Soak::entryChosen(int row) {
    const size_t line = static_cast<size_t>(row);
    // The entry starts at the first line equal to the chosen one, whichever line that is.
    main_.entry = main_.variants.indexOf(main_.variants.at(main_.rows.at(line)));
    main_.status = main_.templateRead
                       ? QStringLiteral("Check all settings, then hit \"Update\" button...")
                       : QStringLiteral(
                             "File \"customize.xml\" could not be read. Fix it, then hit \"Clear "
                             "all fields\"...");
}

void Soak::clearAllFields() {
    click(f1()->Button2);
    main_.entry.reset();
    main_.rows.clear();
    main_.templateRead = expected_.count(kCustomize) > 0;
    if (main_.templateRead) {
        main_.templateBytes = expected_[kCustomize];
        main_.status = QStringLiteral("Please chose phone model...");
    }
}

// "Update customize.xml": the file as it is now, with the chosen entry put in.
void Soak::update() {
    const bool enabled = clickable(f1()->Button1);
    click(f1()->Button1);
    if (!enabled) return;
    ASSERT_TRUE(main_.entry);
    if (expected_.count(kCustomize) == 0) {
        EXPECT_TRUE(boxShown()) << "a missing customize.xml was not reported";
        main_.templateRead = false;
        main_.status = QStringLiteral(
            "File \"customize.xml\" could not be read. Fix it, then hit \"Clear all fields\"...");
        return;
    }
    // A folder refusing new files is no obstacle: the file is rewritten in place.
    if (customizeReadOnly_) {
        EXPECT_TRUE(boxShown()) << "a read-only customize.xml was not refused";
        main_.status = QStringLiteral("Check all settings, then hit \"Update\" button...");
        return;
    }
    EXPECT_FALSE(boxShown());
    expected_[kCustomize] = main_.templateBytes =
        customized(expected_[kCustomize], main_, f1()->CameraOn->isChecked());
    // The samples' template has all seven lines.
    main_.status = QStringLiteral(
        "File \"customize.xml\" updated and saved successfully. Flash with setool2 now...");
}

// "Save": the file holds exactly the preview's bytes, or stays as it was with an error box.
void Soak::save() {
    const bool enabled = clickable(f3()->Button11);
    const SaveTarget target = any(kSaveTargets);
    const bool cancel = chance(10);
    platform_.saveAnswers.push_back(cancel ? std::nullopt
                                           : std::optional<QString>(native(target.path)));
    const QString text = f3()->Memo1->wholeText();
    // The lines the preview shows, CR LF after each but a hand-typed last one.
    const QByteArray bytes = system8(f3()->Memo1->toPlainText().replace('\n', "\r\n"));
    click(f3()->Button11);
    if (!enabled) return;
    // Refused before the dialog: the file could not hold the text unchanged.
    if (text.contains(outside_)) {
        EXPECT_TRUE(boxShown()) << "a script was saved with a character changed";
        return;
    }
    if (cancel) return;
    EXPECT_EQ(boxShown(), !target.writable) << target.path;
    if (target.writable) expected_[target.path] = bytes;
}

// An add action of the advanced window: when it takes, "OK! (Back)" is enabled.
void Soak::addAction(QPushButton* button) {
    const bool enabled = clickable(button);
    click(button);
    if (enabled && !boxShown()) handBack_ = true;
}

// The main window and About.
std::vector<Action> Soak::mainWindowActions() {
    return {
        {"choose model", 1, 3, [](Soak& s) { s.chooseModel(); }},
        {"choose entry", 1, 4, [](Soak& s) { s.chooseEntry(); }},
        {"key in list", 1, 2, [](Soak& s) { s.keyInList(); }},
        {"camera on", 1, 1, [](Soak& s) { clickRadio(s.f1()->CameraOn); }},
        {"camera off", 1, 1, [](Soak& s) { clickRadio(s.f1()->CameraOff); }},
        {"update customize.xml", 1, 3, [](Soak& s) { s.update(); }},
        {"clear all fields", 1, 1, [](Soak& s) { s.clearAllFields(); }},
        {"script generator", 1, 2,
         [](Soak& s) {
             click(s.f1()->Button3);
             s.saveEnabled_ = false;
         }},
        {"link", 1, 1,
         [](Soak& s) {
             s.platform_.shellAnswers.push_back(s.chance(50));
             click(s.any(std::array<QWidget*, 3>{s.f1()->Label5, s.f1()->Label6, s.f1()->Label11}));
         }},
        {"about", 1, 1, [](Soak& s) { click(s.f1()->Panel6); }},
        {"close about", 2, 1, [](Soak& s) { click(s.f2()->Button1); }},
    };
}

// Another program changes customize.xml under the main window.
std::vector<Action> Soak::otherProgramActions() {
    return {
        {"toggle customize.xml read-only", 1, 1,
         [](Soak& s) {
             if (!QFileInfo::exists(s.path(kCustomize))) return;
             s.customizeReadOnly_ = !s.customizeReadOnly_;
             QFile::Permissions p = QFile(s.path(kCustomize)).permissions();
             // The user's write flag maps to the owner's bit too.
             p.setFlag(QFileDevice::WriteOwner, !s.customizeReadOnly_);
             p.setFlag(QFileDevice::WriteUser, !s.customizeReadOnly_);
#ifdef Q_OS_WIN
             // Windows keeps one read-only attribute, set only when no class may write.
             p.setFlag(QFileDevice::WriteGroup, !s.customizeReadOnly_);
             p.setFlag(QFileDevice::WriteOther, !s.customizeReadOnly_);
#endif
             QFile(s.path(kCustomize)).setPermissions(p);
         }},
        // Its folder stops or starts taking new files: customize.xml is rewritten in place.
        {"toggle custom folder refusing", 1, 1,
         [](Soak& s) {
             setRefusing(s.path(kCustomFolder), !refusesNewFiles(s.path(kCustomFolder)));
         }},
        {"remove or restore customize.xml", 1, 1,
         [](Soak& s) {
             setRefusing(s.path(kCustomFolder), false);
             if (s.expected_.erase(kCustomize) == 0) {
                 s.expected_[kCustomize] = s.main_.templateBytes;
                 writeFile(s.dir_.path(), kCustomize, s.main_.templateBytes);
             } else {
                 // Windows deletes no read-only file: the other program clears it first.
                 QFile file(s.path(kCustomize));
                 file.setPermissions(file.permissions() | QFileDevice::WriteOwner);
                 EXPECT_TRUE(file.remove()) << file.errorString().toStdString();
             }
             s.customizeReadOnly_ = false;
         }},
    };
}

// The script generator: sounds and their boxes.
std::vector<Action> Soak::soundActions() {
    return {
        {"open alert sound", 3, 4,
         [](Soak& s) {
             s.answerOpen();
             click(s.any(std::array{s.f3()->Button1, s.f3()->Button2, s.f3()->Button3,
                                    s.f3()->Button4, s.f3()->Button5, s.f3()->Button6}));
         }},
        {"open camera sound", 3, 2,
         [](Soak& s) {
             s.answerOpen();
             click(s.f3()->Button7);
         }},
        {"camera radio", 3, 1,
         [](Soak& s) {
             clickRadio(s.any(
                 std::array{s.f3()->RadioButton1, s.f3()->RadioButton2, s.f3()->RadioButton3}));
         }},
        {"tick sound box", 3, 2,
         [](Soak& s) {
             click(s.any(std::array{s.f3()->Write1, s.f3()->Write2, s.f3()->Write3, s.f3()->Write4,
                                    s.f3()->Write5, s.f3()->Write6, s.f3()->AMR1, s.f3()->AMR2,
                                    s.f3()->AMR3, s.f3()->AMR4, s.f3()->AMR5, s.f3()->AMR6}));
         }},
    };
}

// The script generator: the script, and leaving the window.
std::vector<Action> Soak::generatorActions() {
    return {
        {"generate script", 3, 3,
         [](Soak& s) {
             const bool enabled = clickable(s.f3()->Button10);
             click(s.f3()->Button10);
             s.saveEnabled_ = s.saveEnabled_ || enabled;
         }},
        {"save script", 3, 4, [](Soak& s) { s.save(); }},
        {"edit preview", 3, 2,
         [](Soak& s) {
             if (!s.f3()->isEnabled()) return;
             s.f3()->Memo1->setFocus();
             type(s.f3()->Memo1, s.randomText());
         }},
        {"add more", 3, 3,
         [](Soak& s) {
             const bool enabled = clickable(s.f3()->Button12);
             const QString text = s.f3()->Memo1->wholeText();
             click(s.f3()->Button12);
             if (!enabled) return;
             EXPECT_TRUE(s.f4()->isVisible());
             EXPECT_EQ(s.f4()->Memo1->wholeText(), text);
         }},
        {"reset", 3, 1,
         [](Soak& s) {
             const bool enabled = clickable(s.f3()->Button8);
             click(s.f3()->Button8);
             s.saveEnabled_ = s.saveEnabled_ && !enabled;
         }},
        {"close generator", 3, 1,
         [](Soak& s) {
             if (s.chance(50)) {
                 click(s.f3()->Button9);
             } else {
                 closeFromFrame(s.f3());
             }
         }},
    };
}

// The advanced window: file changes and band locks.
std::vector<Action> Soak::fileChangeActions() {
    return {
        {"file change mode", 4, 2,
         [](Soak& s) {
             clickRadio(
                 s.any(std::array{s.f4()->RadioButton1, s.f4()->RadioButton2, s.f4()->RadioButton3,
                                  s.f4()->RadioButton4, s.f4()->RadioButton5}));
         }},
        {"pick internal name", 4, 2,
         [](Soak& s) {
             QComboBox* box = s.f4()->ComboBox1;
             if (clickable(box) && box->count() > 0) pick(box, s.below(box->count()));
         }},
        {"type internal name", 4, 1,
         [](Soak& s) { type(s.f4()->ComboBox1->lineEdit(), s.randomText()); }},
        {"open new file", 4, 3,
         [](Soak& s) {
             s.answerOpen();
             click(s.f4()->Button1);
         }},
        {"add file change", 4, 3, [](Soak& s) { s.addAction(s.f4()->Button2); }},
        {"reset file change", 4, 1, [](Soak& s) { click(s.f4()->Button3); }},
        {"pick band lock", 4, 2,
         [](Soak& s) {
             QComboBox* box = s.f4()->ComboBox2;
             if (box->count() > 0) pick(box, s.below(box->count()));
         }},
        {"type band lock", 4, 1,
         [](Soak& s) { type(s.f4()->ComboBox2->lineEdit(), s.randomText()); }},
        {"add band lock", 4, 3, [](Soak& s) { s.addAction(s.f4()->Button4); }},
    };
}

// The advanced window: GDFS options.
std::vector<Action> Soak::optionActions() {
    return {
        {"type option", 4, 2,
         [](Soak& s) {
             type(s.any(std::array{s.f4()->Edit2, s.f4()->Edit6, s.f4()->Edit3, s.f4()->Edit4,
                                   s.f4()->Edit5}),
                  s.randomText());
         }},
        {"key in digit field", 4, 2,
         [](Soak& s) {
             const auto key =
                 s.any(std::array{Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Left, Qt::Key_Home,
                                  Qt::Key_Z, Qt::Key_A, Qt::Key_C, Qt::Key_X, Qt::Key_Insert});
             const auto modifiers =
                 s.any(std::array{Qt::NoModifier, Qt::ControlModifier, Qt::ShiftModifier});
             QTest::keyClick(s.chance(50) ? s.f4()->Edit2 : s.f4()->Edit6, key, modifiers);
         }},
        {"paste", 4, 2,
         [](Soak& s) {
             // The same text on the desktop's clipboard and the one the key filter asks.
             const QString text = s.any(std::array<QString, 6>{
                 "", "42", "2147483647", "99999999999", "12a", "Grüße\nzwei"});
             s.platform_.clipboard = text;
             QGuiApplication::clipboard()->setText(text);
             QWidget* edit = s.any(std::array<QWidget*, 6>{
                 s.f4()->Edit2, s.f4()->Edit6, s.f4()->Edit3, s.f4()->Edit7,
                 s.f4()->ComboBox1->lineEdit(), s.f4()->ComboBox2->lineEdit()});
             QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
         }},
        {"tick option", 4, 2,
         [](Soak& s) {
             click(s.any(std::array{s.f4()->CheckBox1, s.f4()->CheckBox2, s.f4()->CheckBox3,
                                    s.f4()->CheckBox4, s.f4()->CheckBox5, s.f4()->CheckBox6,
                                    s.f4()->CheckBox7}));
         }},
        {"add options", 4, 2, [](Soak& s) { s.addAction(s.f4()->Button8); }},
    };
}

// The advanced window: languages, deletions, and leaving it.
std::vector<Action> Soak::languageActions() {
    return {
        {"language mode", 4, 1,
         [](Soak& s) { clickRadio(s.chance(50) ? s.f4()->RadioButton6 : s.f4()->RadioButton7); }},
        {"open language", 4, 3,
         [](Soak& s) {
             s.answerOpen();
             click(s.chance(50) ? s.f4()->Button9 : s.f4()->Button11);
         }},
        {"add language", 4, 3, [](Soak& s) { s.addAction(s.f4()->Button10); }},
        {"delete kind", 4, 2,
         [](Soak& s) {
             clickRadio(
                 s.any(std::array{s.f4()->RadioButton8, s.f4()->RadioButton9, s.f4()->RadioButton10,
                                  s.f4()->RadioButton11, s.f4()->RadioButton12}));
         }},
        {"type delete name", 4, 2,
         [](Soak& s) {
             click(s.f4()->Edit7);
             type(s.f4()->Edit7,
                  s.chance(20) ? s.any(std::array<QString, 3>{".", "..", "a/b"}) : s.randomText());
         }},
        {"add delete command", 4, 3, [](Soak& s) { s.addAction(s.f4()->Button13); }},
        {"clear", 4, 1,
         [](Soak& s) {
             click(s.f4()->Button6);
             s.handBack_ = false;
         }},
        {"ok back", 4, 1,
         [](Soak& s) {
             const bool enabled = clickable(s.f4()->Button5);
             const QString text = s.f4()->Memo1->wholeText();
             click(s.f4()->Button5);
             if (!enabled) return;
             EXPECT_EQ(s.f3()->Memo1->wholeText(), text);
             EXPECT_FALSE(s.f4()->isVisible());
             s.saveEnabled_ = true;
         }},
        {"cancel", 4, 1,
         [](Soak& s) {
             const QString before = s.f3()->Memo1->wholeText();
             click(s.f4()->Button7);
             EXPECT_EQ(s.f3()->Memo1->wholeText(), before);
             EXPECT_TRUE(s.f4()->Memo3->toPlainText().isEmpty());
         }},
        {"close advanced", 4, 1, [](Soak& s) { closeFromFrame(s.f4()); }},
    };
}

const std::vector<Action>& Soak::actions() {
    static const std::vector<Action> table = [] {
        std::vector<Action> all;
        for (auto part : {mainWindowActions, otherProgramActions, soundActions, generatorActions,
                          fileChangeActions, optionActions, languageActions}) {
            std::ranges::move(part(), std::back_inserter(all));
        }
        return all;
    }();
    return table;
}

void Soak::step(int index) {
    const std::array<QWidget*, 4> windows = {f1(), f2(), f3(), f4()};
    std::vector<const Action*> open;
    for (const Action& action : actions()) {
        if (windows[static_cast<size_t>(action.window - 1)]->isVisible()) {
            open.insert(open.end(), static_cast<size_t>(action.weight), &action);
        }
    }
    const Action& action = *open[static_cast<size_t>(below(static_cast<int>(open.size())))];
    recent_.push_back(std::to_string(index) + " " + action.name);
    if (recent_.size() > 20) recent_.pop_front();
    boxesBefore_ = platform_.boxes().size();
    action.run(*this);
    checkInvariants();
    // Dialogs the action did not reach (a disabled button) leave their answers behind.
    platform_.openAnswers.clear();
    platform_.saveAnswers.clear();
    platform_.shellAnswers.clear();
    platform_.clearBoxes();
}

void Soak::checkInvariants() {
    // Boxes: a window's refusal, a link failure, or a file failure naming a file of the
    // working folder with the system's reason.
    static const QRegularExpression refusal(QStringLiteral(
        "^(Could not open |No internal filename |No bandlock named |Bandlock \"|No language file "
        "|No T9 file |No filename entered|\".*\" is not a filename|The filename must not "
        "|\".*\" in (sound|bandlock)\\.cdt holds characters )"));
    static const QRegularExpression fileFailure(
        QStringLiteral("^Cannot (open|create) file \"(.*)\"\\. (.+)$"));
    for (const auto& box : platform_.boxes()) {
        const auto match = fileFailure.match(box.text);
        if (box.title == QLatin1String("Error")) {
            // No regular expression matches a text with an unpaired surrogate.
            EXPECT_TRUE(box.text.startsWith(QLatin1String("Cannot write \"")) ||
                        refusal.match(box.text).hasMatch())
                << box.text.toStdString();
        } else if (match.hasMatch()) {
            EXPECT_EQ(box.icon, MessageIcon::Error);
            EXPECT_TRUE(match.captured(2).startsWith(QDir::toNativeSeparators(dir_.path())))
                << box.text.toStdString();
            EXPECT_NE(match.captured(3), QStringLiteral("Unknown error."))
                << box.text.toStdString();
        } else {
            EXPECT_EQ(box.text, QStringLiteral("Internetseite konnte nicht ge\u00f6ffnet werden!"));
        }
    }

    // Files: the working folder holds what the actions wrote and nothing else; nothing
    // outside it changes, and the current folder never leaves it.
    EXPECT_EQ(differences(snapshot(dir_.path()), expected_), "");
    EXPECT_EQ(differences(snapshot(siblingDir_.path()), sibling_), "");
    EXPECT_EQ(differences(snapshot(dataDir_), data_), "");
    EXPECT_TRUE(QDir::currentPath().startsWith(QDir(dir_.path()).canonicalPath()))
        << QDir::currentPath().toStdString();

    // The main window.
    const TForm1* m = f1();
    EXPECT_EQ(enabled(m->Button1), main_.templateRead && main_.entry.has_value());
    EXPECT_EQ(m->ListBox2->count(), static_cast<int>(main_.rows.size()))
        << "entries listed for " << main_.model.toStdString();
    EXPECT_EQ(m->Panel3->text(), main_.status);
    if (main_.entry) {
        const std::array<QLabel*, 6> fields = {m->FS,  m->Country,  m->Operator1,
                                               m->CDA, m->Revision, m->Languages};
        // As text, so that a failure reads as words.
        const auto shown = [](const QLabel* label) { return system8(label->text()).toStdString(); };
        for (qsizetype k = 0; k < 6; ++k) {
            EXPECT_EQ(shown(fields[k]), main_.field(k).toStdString())
                << fields[k]->objectName().toStdString() << " of the entry at line " << *main_.entry
                << " in " << main_.model.toStdString() << ".cdt";
        }
        EXPECT_EQ(shown(m->CDARev), (main_.field(3) + ' ' + main_.field(4)).toStdString());
        EXPECT_EQ(shown(m->Model), main_.model.toStdString());
    }
    EXPECT_NE(m->CamOn->isHidden(), m->CamOff->isHidden());

    // The script generator.
    const TForm3* g = f3();
    EXPECT_EQ(enabled(g->Button11), saveEnabled_);
    EXPECT_EQ(g->isEnabled(), f4()->isHidden());
    EXPECT_TRUE(enabled(g->Button10));
    const std::array<std::pair<QRadioButton*, QWidget*>, 3> icons = {
        {{g->RadioButton3, g->Image2}, {g->RadioButton1, g->Image3}, {g->RadioButton2, g->Image4}}};
    for (const auto& [radio, icon] : icons) EXPECT_EQ(radio->isChecked(), !icon->isHidden());
    EXPECT_TRUE(!enabled(g->RadioButton2) || !g->Edit7->text().isEmpty());
    const std::array<std::tuple<QCheckBox*, QCheckBox*, QLineEdit*>, 6> rows = {
        {{g->Write1, g->AMR1, g->Edit1},
         {g->Write2, g->AMR2, g->Edit2},
         {g->Write3, g->AMR3, g->Edit3},
         {g->Write4, g->AMR4, g->Edit4},
         {g->Write5, g->AMR5, g->Edit5},
         {g->Write6, g->AMR6, g->Edit6}}};
    for (const auto& [midi, amr, amrPath] : rows) {
        EXPECT_TRUE(!midi->isChecked() || enabled(midi));
        EXPECT_EQ(enabled(amr), !amrPath->text().isEmpty());
    }

    // The advanced window.
    const TForm4* a = f4();
    EXPECT_EQ(enabled(a->Button5), handBack_);
    static const QRegularExpression digits(QStringLiteral("^[0-9]*$"));
    EXPECT_TRUE(digits.match(a->Edit2->text()).hasMatch()) << a->Edit2->text().toStdString();
    EXPECT_TRUE(digits.match(a->Edit6->text()).hasMatch()) << a->Edit6->text().toStdString();
    EXPECT_EQ(a->ComboBox2->count(), bandLocks_);
}

TEST_F(Soak, RandomActionsKeepEveryPromise) {
    // Its oracle knows which typed texts the character set holds: all but outside_.
    if (systemCodePage() == CodePage::Other) GTEST_SKIP() << kOtherCodePage;
    const QByteArray seedText = qgetenv("TRELLAN_SOAK_SEED");
    const uint32_t seed = seedText.isEmpty() ? std::random_device{}() : seedText.toUInt();
    const int count = qEnvironmentVariableIntValue("TRELLAN_SOAK_ACTIONS") > 0
                          ? qEnvironmentVariableIntValue("TRELLAN_SOAK_ACTIONS")
                          : TRELLAN_SOAK_DEFAULT_ACTIONS;
    rng_.seed(seed);
    SCOPED_TRACE(::testing::Message()
                 << "replay with TRELLAN_SOAK_SEED=" << seed << " TRELLAN_SOAK_ACTIONS=" << count);
    ASSERT_TRUE(siblingDir_.isValid());
    prepare();
    ASSERT_FALSE(HasFailure());
    for (int i = 1; i <= count && !HasFailure(); ++i) {
        step(i);
    }
    if (HasFailure()) {
        std::string last;
        for (const std::string& name : recent_) last += "\n  " + name;
        ADD_FAILURE() << "after the actions:" << last;
    }
    setRefusing(path("locked"), false);  // so that the folder can be removed
    setRefusing(path(kCustomFolder), false);
    std::cout << "soak: " << count << " actions, seed " << seed << "\n";
}

}  // namespace
}  // namespace trellan::testing
