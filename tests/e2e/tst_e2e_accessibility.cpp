#include "forms/aboutmeta/aboutmeta_controls.h"
#include "forms/aboutmeta/aboutmeta_design.h"
#include "screen_reader.h"

#include <algorithm>

using namespace desktop;

// The real program heard as a screen reader hears it: the events on the
// desktop's accessibility bus, and the objects they name.
class TestAccessibilityBus : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        reader_ = std::make_unique<ScreenReader>();
        program_ = std::make_unique<Program>(QStringList{"QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1"});
        main_ = waitForWindow("Orbeck Kestrine");
        activate(main_);
        awaitPin();
    }

    void cleanup()
    {
        program_.reset();
        reader_.reset();
    }

    void everyTurnOfThePinIsHeard()
    {
        qsizetype next = reader_->heard().size();
        const std::function<void()> space = [] { xdotool({"key", "space"}); };
        // A click on the picture showing, where a screen reader finds it.
        const std::function<void()> click = [this] { clickAt(extents(pin_.object.get()).center()); };
        bool checked = false;
        for (const auto& how : {space, space, space, click, click, click}) {
            const qsizetype at = turnPin(how, next);
            QVERIFY(at >= 0);
            const Heard& turn = reader_->heard()[at];
            checked = !checked;
            QCOMPARE(turn.value, int(checked));
            QCOMPARE(turn.checked, checked);
            QVERIFY(isPin(turn));
            next = at + 1;
        }
    }

    void windowsComeUpAsFrames_data()
    {
        QTest::addColumn<bool>("pinned");
        QTest::newRow("pin released") << false;
        QTest::newRow("pin set") << true;
    }

    void windowsComeUpAsFrames()
    {
        QFETCH(bool, pinned);
        if (pinned)
            QVERIFY(turnPin([this] { xdotool({"key", "space"}); }, reader_->heard().size()) >= 0);
        // Opened by `how`, the window comes up as a frame named by its title.
        const auto open = [this](const std::function<void()>& how, const QString& title) {
            const qsizetype from = reader_->heard().size();
            how();
            const QString id = waitForWindow(title);
            const qsizetype at =
                reader_->await([&](const Heard& h) { return h.type == "window:activate" && h.name == title; }, from);
            [&] {
                QVERIFY(at >= 0);
                QCOMPARE(reader_->heard()[at].role, ATSPI_ROLE_FRAME);
                QCOMPARE(xdotool({"getwindowname", id}), title);
            }();
            return std::make_pair(id, at);
        };
        const QString resources = open([this] { press(main_, {"alt+h", "w"}); }, "Web Master Resources").first;
        press(resources, {"Return"});
        const auto [about, at] = open([this] { press(main_, {"alt+h", "a"}); }, "About this program");
        if (QTest::currentTestFailed())
            return;
        // About's link to the resources, clicked where a screen reader finds it.
        const auto row =
            std::ranges::find(aboutmetaDesign::controls(), aboutmeta::Label4, &design::ControlSpec::control);
        const auto link = findObject(reader_->heard()[at].object.get(), ATSPI_ROLE_LINK, row->text.simplified());
        QVERIFY(link);
        open([&] { clickAt(extents(link.get()).center()); }, "Web Master Resources");
    }

private:
    static bool focused(const Heard& heard) { return heard.type.endsWith(":focused") && heard.value == 1; }
    bool isPin(const Heard& heard) const { return heard.path == pin_.path; }

    // Waits for the pin to have the focus, as it has when the window opens.
    void awaitPin()
    {
        const qsizetype at =
            reader_->await([](const Heard& h) { return focused(h) && h.role == ATSPI_ROLE_CHECK_BOX; });
        QVERIFY(at >= 0);
        pin_ = reader_->heard()[at];
    }

    // Turns the pin by `how` and waits for the turn to be heard.
    qsizetype turnPin(const std::function<void()>& how, qsizetype from)
    {
        how();
        return reader_->await([](const Heard& h) { return h.type.endsWith(":checked"); }, from);
    }

    std::unique_ptr<ScreenReader> reader_;
    std::unique_ptr<Program> program_;
    QString main_;
    Heard pin_;
};

QTEST_GUILESS_MAIN(TestAccessibilityBus)
#include "tst_e2e_accessibility.moc"
