#include "tests/ui/window_fixture.h"

#include "core/settings_rules.h"
#include "ui/palette.h"
#include "ui/widget_factory.h"

#include <QClipboard>
#include <QDeadlineTimer>
#include <QGuiApplication>
#include <QLocale>
#include <QRegularExpression>
#include <QTimer>

#include <functional>
#include <vector>

namespace {

const QString ErrorTitle = "***  HIBA!! ***";
const QString EnergyRefused = "Hibás adat!! Ide csak nem-negatív szám írható!";
const QString FieldRefused = "Hibás adat!! Ide csak pozitív egész szám írható!";
const QString CountRefused = "Hibás adat!  Ide csak pozitív egész szám írható!!";

// A null text in a column of HostileText: the box refuses the text.
const QString Refused;

// A text a user can paste or type, and what each box makes of it: the text
// an accepted entry is shown as, or Refused. EField never rewrites its text,
// so its column holds the value read instead.
struct HostileText {
    const char* kind;
    QString text;
    QString energy;
    QString induction;
    QString count;
    QString electric;
};

QString WithChar(const char* before, char16_t c, const char* after)
{
    return QString(before) + QChar(c) + QString(after);
}

// A box holds at most 32767 characters, so the texts of 100,000 are cut;
// each long text is chosen so that its verdict does not depend on the cut.
std::vector<HostileText> HostileTexts()
{
    return {
        {"long digits", QString(100000, '9'), Refused, Refused, Refused, Refused},
        {"long zeros", QString(100000, '0'), "0", "0", Refused, "0"},
        {"long negative zero", "-" + QString(99999, '0'), "0", "0", Refused, "-0"},
        {"long fraction", "0." + QString(99998, '0'), "0", Refused, Refused, "0"},
        {"long letters", QString(100000, 'a'), Refused, Refused, Refused, Refused},
        {"long blanks", QString(100000, ' '), Refused, Refused, Refused, Refused},
        {"long blanks before a number", QString(30000, ' ') + "7", "7", "7", "7", "7"},
        {"long blanks after a number", "7" + QString(99999, ' '), Refused, Refused, Refused, Refused},
        {"Arabic-Indic digits", QString::fromUtf8("١٢٣"), Refused, Refused, Refused, Refused},
        {"fullwidth digits", QString::fromUtf8("１２"), Refused, Refused, Refused, Refused},
        {"accented letter", QString::fromUtf8("ő"), Refused, Refused, Refused, Refused},
        {"emoji", QString::fromUtf8("😀"), Refused, Refused, Refused, Refused},
        {"digit and accented letter", QString::fromUtf8("5ő"), Refused, Refused, Refused, Refused},
        {"superscript two", QString::fromUtf8("²"), Refused, Refused, Refused, Refused},
        {"no-break space before a digit", WithChar("", u'\u00A0', "5"), Refused, Refused, Refused, Refused},
        {"zero-width space before a digit", WithChar("", u'\u200B', "5"), Refused, Refused, Refused, Refused},
        {"byte order mark before a digit", WithChar("", u'\uFEFF', "5"), Refused, Refused, Refused, Refused},
        {"right-to-left override", WithChar("", u'\u202E', "5"), Refused, Refused, Refused, Refused},
        {"lone surrogate", WithChar("5", u'\xD800', ""), Refused, Refused, Refused, Refused},
        {"exponent overflow", "1e400", Refused, Refused, Refused, Refused},
        {"exponent underflow", "1e-400", "0", Refused, Refused, "0"},
        {"negative underflow", "-1e-400", "0", Refused, Refused, "-0"},
        {"huge energy", "1e300", "1E300", Refused, Refused, "1e300"},
        {"largest double", "1.7976931348623157e308", "1.79769313486231E308", Refused, Refused,
         "1.7976931348623157e308"},
        {"infinity", "inf", Refused, Refused, Refused, Refused},
        {"capital infinity", "INF", Refused, Refused, Refused, Refused},
        {"negative infinity", "-inf", Refused, Refused, Refused, Refused},
        {"infinity spelt out", "Infinity", Refused, Refused, Refused, Refused},
        {"not a number", "nan", Refused, Refused, Refused, Refused},
        {"capital not a number", "NaN", Refused, Refused, Refused, Refused},
        {"above 32 bits", "2147483648", "2147483648", Refused, Refused, "2147483648"},
        {"largest 32-bit", "2147483647", "2147483647", "2147483647", "2147483647", "2147483647"},
        {"smallest 32-bit", "-2147483648", Refused, Refused, Refused, "-2147483648"},
        {"below 32 bits", "-2147483649", Refused, Refused, Refused, "-2147483649"},
        {"minus one", "-1", Refused, Refused, Refused, "-1"},
        {"negative zero", "-0", "0", "0", Refused, "-0"},
        {"plus zero", "+0", "0", "0", Refused, "0"},
        {"negative zero with exponent", "-0.0e0", "0", Refused, Refused, "-0"},
        {"plus sign", "+7", "7", "7", "7", "7"},
        {"blank and 0x", " 0x10", Refused, "16", "16", Refused},
        {"dollar", "$FF", Refused, "255", "255", Refused},
        {"dollar, small letters", "$ff", Refused, "255", "255", Refused},
        {"0X", "0X1f", Refused, "31", "31", Refused},
        {"x", "x10", Refused, "16", "16", Refused},
        {"largest 32-bit hexadecimal", "$7FFFFFFF", Refused, "2147483647", "2147483647", Refused},
        {"hexadecimal above 32 bits", "$80000000", Refused, Refused, Refused, Refused},
        {"dollar without digits", "$", Refused, Refused, Refused, Refused},
        {"0x without digits", "0x", Refused, Refused, Refused, Refused},
        {"dollar and sign", "$-1", Refused, Refused, Refused, Refused},
        {"sign and dollar", "-$1", Refused, Refused, Refused, Refused},
        {"hexadecimal and blank", "$F ", Refused, Refused, Refused, Refused},
        {"empty", "", Refused, Refused, Refused, Refused},
        {"blanks", "   ", Refused, Refused, Refused, Refused},
        {"newline inside", "12\n34", Refused, Refused, Refused, Refused},
        {"newline after", "5\n", Refused, Refused, Refused, Refused},
        {"newline before", "\n5", Refused, Refused, Refused, Refused},
        {"carriage return and newline", "12\r\n34", Refused, Refused, Refused, Refused},
        {"tab before", "\t5", Refused, Refused, Refused, Refused},
        {"NUL inside", WithChar("7", u'\0', "8"), Refused, Refused, Refused, Refused},
        {"control character", WithChar("", u'\x01', "5"), Refused, Refused, Refused, Refused},
        {"escape sequence", "\x1b[31m5", Refused, Refused, Refused, Refused},
        {"delete character", "5\x7f", Refused, Refused, Refused, Refused},
        {"format placeholders", "%1%2", Refused, Refused, Refused, Refused},
        {"decimal comma", "1,5", Refused, Refused, Refused, Refused},
        {"decimal point", "1.5", "1.5", Refused, Refused, "1.5"},
        {"point first", ".5", "0.5", Refused, Refused, "0.5"},
        {"point last", "5.", "5", Refused, Refused, "5"},
        {"point alone", ".", Refused, Refused, Refused, Refused},
        {"exponent alone", "e5", Refused, Refused, Refused, Refused},
        {"exponent without digits", "1e", Refused, Refused, Refused, Refused},
        {"exponent sign without digits", "1e+", Refused, Refused, Refused, Refused},
        {"two signs", "--1", Refused, Refused, Refused, Refused},
        {"blank and minus", " -1", Refused, Refused, Refused, "-1"},
        {"blank and plus", " +1", "1", "1", "1", "1"},
    };
}

double ValueOf(const QString& text)
{
    bool ok = false;
    const double value = QLocale::c().toDouble(text, &ok);
    EXPECT_TRUE(ok) << text.toStdString();
    return value;
}

bool Matches(const QString& text, const char* pattern)
{
    return QRegularExpression(QRegularExpression::anchoredPattern(pattern)).match(text).hasMatch();
}

// An electric field is never negative, and "-0.00000" is no reading of a zero field.
bool IsFieldReadout(const QString& text)
{
    return Matches(text, R"( *\d+\.\d{5})");
}

bool IsBandReadout(const QString& text)
{
    return text == "Nem számolható" || Matches(text, R"( *-?\d+\.\d{3})");
}

// No keyboard delivers half a character, nor a control character as text.
bool IsTypeable(const QString& text)
{
    if (text.size() > 100 || !text.isValidUtf16())
        return false;
    for (char32_t c : text.toUcs4()) {
        if (!QChar::isPrint(c))
            return false;
    }
    return true;
}

// Waits for a condition while the window gets its turns.
bool WaitFor(const std::function<bool()>& condition, int milliseconds = 10000)
{
    QDeadlineTimer deadline(milliseconds);
    while (!condition() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return condition();
}

struct Box {
    const char* name;
    QString HostileText::*shown;
    const QString& message;
};

const Box Energy{"Edit7", &HostileText::energy, EnergyRefused};
const Box Induction{"BField", &HostileText::induction, FieldRefused};
const Box Count{"Edit6", &HostileText::count, CountRefused};

class HostileInput : public WindowTest {
protected:
    struct Snapshot {
        FilterSettings filter;
        std::int32_t setCount;
        std::vector<QString> texts;
    };

    static constexpr const char* Watched[] = {"Edit7", "BField", "Edit6", "EField", "Edit12", "Edit13", "Edit14"};

    Snapshot Take()
    {
        Snapshot snapshot{sim.filter, sim.run.setCount, {}};
        for (const char* name : Watched)
            snapshot.texts.push_back(Text(name));
        return snapshot;
    }

    // Nothing but the refused box's own text may differ, and that keeps what was put in.
    void ExpectUnchanged(const Snapshot& before, const char* box, const std::string& what)
    {
        EXPECT_EQ(sim.filter.magneticField, before.filter.magneticField) << what;
        EXPECT_EQ(sim.filter.electricField, before.filter.electricField) << what;
        EXPECT_EQ(sim.filter.tunedEnergy, before.filter.tunedEnergy) << what;
        EXPECT_EQ(sim.run.setCount, before.setCount) << what;
        for (std::size_t i = 0; i < std::size(Watched); ++i) {
            if (std::string_view(Watched[i]) != box) {
                EXPECT_EQ(Text(Watched[i]), before.texts[i]) << what << " in " << Watched[i];
            }
        }
    }

    // The user's way of pasting: Ctrl+V over the selected old text.
    void Paste(QLineEdit* edit, const QString& text)
    {
        QGuiApplication::clipboard()->setText(text);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    }

    // The old text deleted, then one character after the other, as a keyboard
    // or an input method delivers them.
    void Type(QLineEdit* edit, const QString& text)
    {
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        for (char32_t c : text.toUcs4())
            QTest::sendKeyEvent(QTest::Click, edit, Qt::Key(0), QString::fromUcs4(&c, 1), Qt::NoModifier);
    }

    void PasteAndEnter(const char* name, const QString& text)
    {
        Paste(Find(name), text);
        QTest::keyClick(Find(name), Qt::Key_Return);
    }

    // 50 keV at 1000 µT and 1000 particles, entered as a user would.
    void Baseline()
    {
        Enter("BField", "1000");
        Enter("Edit7", "50");
        Enter("Edit6", "1000");
    }

    // Puts a hostile text into a box, leaves the box by `leave` and checks
    // the verdict against the row.
    void Check(const Box& box, const HostileText& row, const std::function<void(QLineEdit*)>& put,
               const std::function<void(QLineEdit*)>& leave)
    {
        QLineEdit* edit = Find(box.name);
        const Snapshot before = Take();
        const std::size_t messages = dialogs.messages.size();
        put(edit);
        const QString held = edit->text();
        // Pasted or typed, the text arrives whole, control characters and all, up to the box's limit.
        EXPECT_EQ(held, row.text.left(32767)) << row.kind;
        leave(edit);
        const QString& shown = row.*box.shown;
        const std::string what = std::string(box.name) + ", " + row.kind;
        if (shown.isNull()) {
            ASSERT_EQ(dialogs.messages.size(), messages + 1) << what;
            EXPECT_EQ(dialogs.messages.back().title, ErrorTitle) << what;
            EXPECT_EQ(dialogs.messages.back().text, box.message) << what;
            EXPECT_EQ(BoxColour(edit), QColor(Palette::ErrorColor)) << what;
            EXPECT_EQ(edit->text(), held) << what;
            // Leaving by the focus loses the selection, and the focus returns selecting the text again.
            EXPECT_TRUE(WaitFor([&] { return edit->selectedText() == held; })) << what;
            ExpectUnchanged(before, box.name, what);
            return;
        }
        EXPECT_EQ(dialogs.messages.size(), messages) << what;
        EXPECT_EQ(edit->text(), shown) << what;
        EXPECT_EQ(BoxColour(edit), QColor(Palette::NormalColor)) << what;
        if (edit == Find("Edit6")) {
            EXPECT_EQ(sim.run.setCount, shown.toInt()) << what;
            return;
        }
        if (edit == Find("Edit7"))
            EXPECT_EQ(sim.filter.tunedEnergy, EnteredEnergyJoules(ValueOf(shown))) << what;
        else
            EXPECT_EQ(sim.filter.magneticField, ValueOf(shown) / 1e6) << what;
        EXPECT_TRUE(IsFieldReadout(Text("EField"))) << what << ": " << Text("EField").toStdString();
        for (const char* readout : {"Edit12", "Edit13", "Edit14"})
            EXPECT_TRUE(IsBandReadout(Text(readout))) << what << ": " << Text(readout).toStdString();
    }

    void CheckEveryText(const Box& box, bool typed)
    {
        Baseline();
        auto pressEnter = [](QLineEdit* edit) { QTest::keyClick(edit, Qt::Key_Return); };
        for (const HostileText& row : HostileTexts()) {
            if (typed && !IsTypeable(row.text))
                continue;
            Check(box, row, [&](QLineEdit* edit) { typed ? Type(edit, row.text) : Paste(edit, row.text); },
                  pressEnter);
        }
    }

    // A button with no handler on focus: leaving a box for it runs only the box's own exit.
    QWidget* Elsewhere() { return Find<QPushButton>("Button5"); }
};

TEST_F(HostileInput, PastedIntoTheEnergy)
{
    CheckEveryText(Energy, false);
}

TEST_F(HostileInput, PastedIntoTheInduction)
{
    CheckEveryText(Induction, false);
}

TEST_F(HostileInput, PastedIntoTheCount)
{
    CheckEveryText(Count, false);
}

TEST_F(HostileInput, TypedIntoTheEnergy)
{
    CheckEveryText(Energy, true);
}

TEST_F(HostileInput, TypedIntoTheInduction)
{
    CheckEveryText(Induction, true);
}

TEST_F(HostileInput, TypedIntoTheCount)
{
    CheckEveryText(Count, true);
}

TEST_F(HostileInput, PastedAndLeftByTheFocus)
{
    ShowActive();
    auto leave = [&](QLineEdit*) { Elsewhere()->setFocus(Qt::TabFocusReason); };
    for (const Box* box : {&Energy, &Induction, &Count}) {
        Baseline();
        for (const HostileText& row : HostileTexts()) {
            const bool refused = (row.*box->shown).isNull();
            Check(*box, row, [&](QLineEdit* edit) { Paste(edit, row.text); }, leave);
            QLineEdit* edit = Find(box->name);
            if (refused)
                EXPECT_TRUE(WaitFor([&] { return edit->hasFocus(); })) << box->name << ", " << row.kind;
            else
                EXPECT_TRUE(Elsewhere()->hasFocus()) << box->name << ", " << row.kind;
        }
    }
}

// A typed newline is the Enter key: the part before it is entered, the rest
// is typed on after it.
TEST_F(HostileInput, TypedNewlineEntersThePartBeforeIt)
{
    Baseline();
    for (const char* name : {"Edit7", "BField", "Edit6"}) {
        QLineEdit* edit = Find(name);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, "12");
        QTest::keyClick(edit, Qt::Key_Return);
        EXPECT_EQ(edit->text(), "12") << name;
        edit->end(false);
        QTest::keyClicks(edit, "34");
        QTest::keyClick(edit, Qt::Key_Return);
        EXPECT_EQ(edit->text(), "1234") << name;
    }
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(sim.run.setCount, 1234);
    EXPECT_EQ(sim.filter.magneticField, 1234 / 1e6);
    EXPECT_EQ(sim.filter.tunedEnergy, EnteredEnergyJoules(1234));
}

// The electric field is written by the program only; whatever its text, leaving
// it accepts a decimal number silently and refuses anything else silently.
TEST_F(HostileInput, ElectricFieldTextsAreCheckedSilentlyWhenLeft)
{
    Baseline();
    ShowActive();
    QLineEdit* field = Find("EField");
    for (const HostileText& row : HostileTexts()) {
        const double before = sim.filter.electricField;
        field->setText(row.text);
        field->setFocus(Qt::MouseFocusReason);
        Elsewhere()->setFocus(Qt::TabFocusReason);
        EXPECT_TRUE(dialogs.messages.empty()) << row.kind;
        if (row.electric.isNull()) {
            EXPECT_EQ(BoxColour(field), QColor(Palette::ErrorColor)) << row.kind;
            EXPECT_EQ(sim.filter.electricField, before) << row.kind;
            EXPECT_TRUE(WaitFor([&] { return field->hasFocus(); })) << row.kind;
            EXPECT_EQ(field->selectedText(), field->text()) << row.kind;
        } else {
            EXPECT_EQ(BoxColour(field), QColor(Palette::NormalColor)) << row.kind;
            EXPECT_EQ(sim.filter.electricField, ValueOf(row.electric)) << row.kind;
        }
    }
}

TEST_F(HostileInput, ElectricFieldCannotBeTypedOrPastedInto)
{
    Baseline();
    QLineEdit* field = Find("EField");
    const QString before = field->text();
    Type(field, "123");
    Paste(field, "456");
    QTest::keyClick(field, Qt::Key_Backspace);
    EXPECT_EQ(field->text(), before);
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_EQ(BoxColour(field), QColor(Palette::NormalColor));
    EXPECT_EQ(sim.filter.electricField, ValueOf(before));
}

// Whatever energy the box accepts, the electric field that follows from it
// reads back as a number, so that leaving the field or switching the fields
// off and on keeps working.
TEST_F(HostileInput, ElectricFieldOfAnyAcceptedEnergyIsANumber)
{
    Baseline();
    ShowActive();
    QLineEdit* field = Find("EField");
    for (const char* induction : {"0", "1000", "2147483647"}) {
        Enter("BField", induction);
        for (const HostileText& row : HostileTexts()) {
            if (row.energy.isNull())
                continue;
            PasteAndEnter("Edit7", row.text);
            const std::string what = std::string(induction) + " µT, " + row.kind;
            EXPECT_TRUE(IsFieldReadout(field->text())) << what << ": " << field->text().toStdString();
            field->setFocus(Qt::MouseFocusReason);
            Elsewhere()->setFocus(Qt::TabFocusReason);
            EXPECT_EQ(BoxColour(field), QColor(Palette::NormalColor)) << what;
            Click("CheckBox3");
            Click("CheckBox3");
            EXPECT_TRUE(dialogs.messages.empty()) << what;
            dialogs.messages.clear();
        }
    }
}

// Every accepted energy is shown as a text that the box accepts again, with
// the same electric field.
TEST_F(HostileInput, ShownEnergiesAreAcceptedAgain)
{
    Baseline();
    for (const HostileText& row : HostileTexts()) {
        if (row.energy.isNull())
            continue;
        PasteAndEnter("Edit7", row.text);
        const QString field = Text("EField");
        PasteAndEnter("Edit7", Text("Edit7"));
        EXPECT_EQ(Text("Edit7"), row.energy) << row.kind;
        EXPECT_EQ(Text("EField"), field) << row.kind;
        Enter("BField", "1000");
        EXPECT_TRUE(dialogs.messages.empty()) << row.kind;
        dialogs.messages.clear();
    }
}

// A refused energy keeps its text, which the induction entry reads without
// checking: the general box names the whole text.
TEST_F(HostileInput, RefusedLongEnergyReachesTheGeneralBoxInFull)
{
    Baseline();
    PasteAndEnter("Edit7", QString(100000, 'a'));
    const FilterSettings before = sim.filter;
    dialogs.messages.clear();
    Enter("BField", "2000");
    ASSERT_FALSE(dialogs.messages.empty());
    EXPECT_EQ(dialogs.messages.back().text, "'" + QString(32767, 'a') + "' is not a valid floating point value.");
    EXPECT_EQ(dialogs.messages.back().title, "Vantor");
    EXPECT_EQ(sim.filter.tunedEnergy, before.tunedEnergy);
}

// Clicks queued into the event turns of a run, one step a turn. The next step
// is queued before a step runs, since a step that starts a measurement returns
// only when that measurement has stopped. When the steps are used up, a run
// still going is stopped at its next turn, until the test has seen the end.
class TurnScript : public QObject {
public:
    TurnScript(std::vector<std::function<void()>> steps, std::function<void()> stop)
        : m_steps(std::move(steps)), m_stop(std::move(stop))
    {
        Queue();
    }

    bool StepsDone() const { return m_next >= m_steps.size(); }

private:
    void Queue()
    {
        QTimer::singleShot(0, this, [this] {
            const std::size_t step = m_next;
            Queue();
            if (step < m_steps.size()) {
                ++m_next;
                m_steps[step]();
            } else {
                m_stop();
            }
        });
    }

    std::vector<std::function<void()>> m_steps;
    std::function<void()> m_stop;
    std::size_t m_next = 0;
};

class HostileRun : public HostileInput {
protected:
    void SetUp() override
    {
        HostileInput::SetUp();
        Baseline();
    }

    std::function<void()> StopIfRunning()
    {
        return [this] {
            if (sim.run.running)
                Click("Button4");
        };
    }

    // Start, then the steps at the run's turns; returns when every step ran and nothing runs.
    void RunScript(std::vector<std::function<void()>> steps)
    {
        TurnScript script(std::move(steps), StopIfRunning());
        Click("Button3");
        EXPECT_TRUE(WaitFor([&] { return script.StepsDone() && !sim.run.running; }, 60000));
    }

    // Buttons, settings and counters agree with whether a run is going.
    void ExpectConsistent(const std::string& when)
    {
        const bool running = sim.run.running;
        EXPECT_EQ(Find<QPushButton>("Button3")->isEnabled(), !running) << when;
        EXPECT_EQ(Find<QPushButton>("Button4")->text(), running ? "Stop" : "Folytatás") << when;
        for (const char* name : {"CheckBox3", "Edit7", "BField", "Edit6", "CheckBox1", "Button7", "Button5",
                                 "CheckBox5", "Blende3", "UpDown3"})
            EXPECT_EQ(form->findChild<QWidget*>(name)->isEnabled(), !running) << when << ", " << name;
        EXPECT_EQ(sim.run.launchedCount % 1000, 0) << when;
    }
};

TEST_F(HostileRun, FieldSwitchIsDeadDuringARunAndWorksInItsPauses)
{
    const FilterSettings tuned = sim.filter;
    auto* fields = Find<QCheckBox>("CheckBox3");
    std::vector<FilterSettings> seen;
    auto clickFields = [&] {
        Click("CheckBox3");
        seen.push_back(sim.filter);
    };
    RunScript({
        clickFields,
        clickFields,
        [&] { Click("Button4"); },
        clickFields,
        [&] { Click("Button4"); },
        clickFields,
        [&] { Click("Button4"); },
        clickFields,
        [&] { Click("Button4"); },
        clickFields,
        [&] { Click("Button4"); },
    });
    // Clicks 1, 2, 4 and 6 fell into turns of a run; 3 switched off and 5 on in the pauses.
    ASSERT_EQ(seen.size(), 6u);
    for (std::size_t i : {0u, 1u}) {
        EXPECT_EQ(seen[i].magneticField, tuned.magneticField) << i;
        EXPECT_EQ(seen[i].electricField, tuned.electricField) << i;
    }
    for (std::size_t i : {2u, 3u}) {
        EXPECT_EQ(seen[i].magneticField, 0.0) << i;
        EXPECT_EQ(seen[i].electricField, 0.0) << i;
    }
    // Switching on reads the field back from its five-decimal text.
    for (std::size_t i : {4u, 5u}) {
        EXPECT_EQ(seen[i].magneticField, tuned.magneticField) << i;
        EXPECT_EQ(seen[i].electricField, ValueOf(Text("EField"))) << i;
    }
    EXPECT_EQ(sim.filter.tunedEnergy, tuned.tunedEnergy);
    EXPECT_TRUE(fields->isChecked());
    EXPECT_EQ(sim.run.launchedCount, 7000);
    EXPECT_EQ(Text("Edit9"), "7000");
    EXPECT_TRUE(dialogs.messages.empty());
    ExpectConsistent("at the end");
}

TEST_F(HostileRun, StartStopAndContinueInRapidAlternation)
{
    std::vector<std::function<void()>> steps;
    int step = 0;
    std::int32_t lastCount = 0;
    // Start is dead during a run, and only Start may take the launched count back.
    auto press = [&](const char* button) {
        return [&, button] {
            const std::string when = "step " + std::to_string(++step) + " before " + button;
            ExpectConsistent(when);
            EXPECT_GE(sim.run.launchedCount, lastCount) << when;
            const bool startsAnew = std::string_view(button) == "Button3" && !sim.run.running;
            lastCount = startsAnew ? 0 : sim.run.launchedCount;
            Click(button);
            ExpectConsistent("step " + std::to_string(step) + " after " + button);
        };
    };
    for (int round = 0; round < 4; ++round) {
        for (const char* button : {"Button4", "Button4", "Button3", "Button4", "Button3", "Button3", "Button4"})
            steps.push_back(press(button));
        // Stop and Continue within one turn: the continued run goes on inside the turn.
        steps.push_back([&] {
            Click("Button4");
            Click("Button4");
        });
    }
    RunScript(std::move(steps));
    ExpectConsistent("at the end");
    EXPECT_EQ(Text("Edit9"), QString::number(sim.run.launchedCount));
    EXPECT_EQ(Text("Edit8"), QString::number(sim.run.detectedCount));
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(HostileRun, ClosingDuringAContinuedRunWithYesStopsItAndCloses)
{
    form->show();
    dialogs.answerYes = true;
    RunScript({
        [&] { Click("Button4"); },
        [&] { Click("Button4"); },
        [&] { form->close(); },
    });
    EXPECT_FALSE(sim.run.running);
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(dialogs.questions.size(), 1u);
    EXPECT_EQ(sim.run.launchedCount, 2000);
    ExpectConsistent("after closing");
}

TEST_F(HostileRun, ClosingRefusedTwiceThenConfirmed)
{
    form->show();
    int closes = 0;
    dialogs.onQuestion = [&] { dialogs.answerYes = ++closes == 3; };
    auto close = [&] { form->close(); };
    RunScript({close, close, close});
    EXPECT_EQ(dialogs.questions.size(), 3u);
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(sim.run.launchedCount, 3000);
    EXPECT_EQ(Text("Edit9"), "3000");
}

TEST_F(HostileRun, EndMenuDuringARun)
{
    form->show();
    auto end = [&] { form->findChild<QAction*>("Vge2")->trigger(); };
    dialogs.answerYes = false;
    RunScript({end, [&] { dialogs.answerYes = true; }, end});
    EXPECT_EQ(dialogs.questions.size(), 2u);
    EXPECT_FALSE(form->isVisible());
    EXPECT_FALSE(sim.run.running);
    EXPECT_EQ(sim.run.launchedCount, 3000);
}

TEST_F(HostileRun, ClosingRefusedInAPauseThenContinuing)
{
    form->show();
    dialogs.answerYes = false;
    RunScript({
        [&] { Click("Button4"); },
        [&] { form->close(); },
        [&] { Click("Button4"); },
        [&] { Click("Button4"); },
    });
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(dialogs.questions.size(), 1u);
    EXPECT_EQ(sim.run.launchedCount, 2000);
    ExpectConsistent("at the end");
}

}
