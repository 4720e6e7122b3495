#include "app_fixture.h"

#include <QAccessible>
#include <QLabel>
#include <set>

namespace {

// Click handlers that record which row of the dispatch table they stand for.
QList<std::size_t> clickedRows;
template <std::size_t Row> void recordClick(Toolkit&)
{
    clickedRows << Row;
}
const auto clickRecorders = []<std::size_t... Row>(std::index_sequence<Row...>)
{
    return std::array<ClickHandler, sizeof...(Row)>{&recordClick<Row>...};
}
(std::make_index_sequence<64>());

// The program's own table, each click handler replaced by its recorder.
std::vector<DispatchEntry> recordingTable()
{
    std::vector<DispatchEntry> table(dispatchTable().begin(), dispatchTable().end());
    for (std::size_t row = 0; row < table.size(); ++row) {
        if (table[row].event == Event::Click)
            table[row].handler = clickRecorders.at(row);
    }
    return table;
}

// The node and all below it, each before its children.
QList<QAccessibleInterface*> tree(QAccessibleInterface* node)
{
    QList<QAccessibleInterface*> nodes{node};
    for (int i = 0; i < node->childCount(); ++i)
        nodes << tree(node->child(i));
    return nodes;
}

} // namespace

// Every click of the three windows, reached as the user reaches it: by
// assistive technology, by keys, and by a mouse that may drag off. Real
// widgets, offscreen, with the program's table recording which row runs.
class TestClicks : public QObject {
    Q_OBJECT

private slots:
    // The pushpin's turns and its state as a screen reader hears them are
    // checked in tst_e2e_accessibility, the window kept above in tst_e2e.
    void panelsShowTheirFocus()
    {
        RunningProgram program;
        QVERIFY(QTest::qWaitForWindowActive(program.show(WindowId::Form1)));
        // The strip has the focus at start, and what it offers is the pin.
        QAccessibleInterface* strip =
            QAccessible::queryAccessibleInterface(program.control(WindowId::Form1, "Picture1"));
        QAccessibleInterface* pin = strip->focusChild();
        QVERIFY(pin && pin->role() == QAccessible::CheckBox && pin->state().focused && !strip->state().focused);
        // Each panel shows that it has the focus; the strip shows it on the pin.
        for (const char* name : {"Picture1", "Picture2"}) {
            QWidget* panel = program.control(WindowId::Form1, name);
            panel->setFocus();
            const QImage focused = panel->grab().toImage();
            program.control(WindowId::Form1, "Text1")->setFocus();
            QVERIFY2(panel->grab().toImage() != focused, name);
        }
    }

    void assistiveTechnologyReachesEveryClick()
    {
        const std::vector<DispatchEntry> table = recordingTable();
        Program recording(table);
        for (const WindowId id : {WindowId::Form1, WindowId::Form2, WindowId::aboutmeta}) {
            recording.toolkit.showWindow(id);
            QWidget* window = recording.toolkit.window(id);
            const QList<QAccessibleInterface*> nodes = tree(QAccessible::queryAccessibleInterface(window));
            QCOMPARE(nodes.first()->role(), QAccessible::Window);
            // Every stop of the focus order, picture and link has a name, said
            // without runs of blanks, that nothing else of its role in the window has.
            QSet<std::pair<int, QString>> names;
            std::set<std::size_t> reached;
            for (QAccessibleInterface* node : nodes) {
                const QString name = node->text(QAccessible::Name);
                const QByteArray what = (node->object()->objectName() + u' ' + name).toUtf8();
                const bool named = node->state().focusable || node->role() == QAccessible::Graphic ||
                                   node->role() == QAccessible::Link || node->role() == QAccessible::CheckBox;
                QVERIFY2(!named || !name.isEmpty(), what);
                QVERIFY2(name == name.simplified(), what);
                QVERIFY2(name.isEmpty() || !names.contains({node->role(), name}), what);
                names.insert({node->role(), name});
                // A label or picture has one action exactly when it takes clicks,
                // and it runs the click row of what shows.
                if (!qobject_cast<QLabel*>(node->object()) && node->role() != QAccessible::CheckBox)
                    continue;
                const QStringList actions =
                    node->actionInterface() ? node->actionInterface()->actionNames() : QStringList();
                QVERIFY2(actions.size() == (node->role() == QAccessible::Link || node->role() == QAccessible::CheckBox),
                         what);
                if (actions.isEmpty())
                    continue;
                clickedRows.clear();
                node->actionInterface()->doAction(actions.first());
                QVERIFY2(clickedRows.size() == 1 && table[clickedRows.first()].control.window == id, what);
                reached.insert(clickedRows.first());
                // The pin turns by Space on the strip that offers it, too.
                if (node->role() == QAccessible::CheckBox) {
                    clickedRows.clear();
                    QTest::keyClick(qobject_cast<QWidget*>(node->object()->parent()), Qt::Key_Space);
                    QVERIFY2(clickedRows.size() == 1 && reached.contains(clickedRows.first()), what);
                }
            }
            std::set<std::size_t> labelRows;
            for (std::size_t row = 0; row < table.size(); ++row) {
                const auto* label = window->findChild<QLabel*>(table[row].control.objectName());
                if (table[row].control.window == id && table[row].event == Event::Click && label && !label->isHidden())
                    labelRows.insert(row);
            }
            QCOMPARE(reached, labelRows);
        }
    }

    void pressReleasedOutsideIsNoClick_data()
    {
        QTest::addColumn<int>("window");
        QTest::addColumn<QString>("control");
        QTest::newRow("pushpin") << int(WindowId::Form1) << "Image2";
        QTest::newRow("link") << int(WindowId::aboutmeta) << "Label7";
    }

    void pressReleasedOutsideIsNoClick()
    {
        QFETCH(int, window);
        QFETCH(QString, control);
        const std::vector<DispatchEntry> table = recordingTable();
        Program recording(table);
        recording.toolkit.showWindow(WindowId(window));
        auto* target = recording.toolkit.window(WindowId(window))->findChild<QWidget*>(control);
        clickedRows.clear();
        // Dragged off before the button comes up: cancelled, as on any button.
        QTest::mousePress(target, Qt::LeftButton, {}, target->rect().center());
        QTest::mouseRelease(target, Qt::LeftButton, {}, target->rect().bottomRight() + QPoint(4, 4));
        QVERIFY(clickedRows.isEmpty());
        QTest::mouseClick(target, Qt::LeftButton, {}, target->rect().center());
        QCOMPARE(clickedRows.size(), 1);
        // The second press of a double click makes no second click.
        QTest::mouseDClick(target, Qt::LeftButton);
        QTest::mouseRelease(target, Qt::LeftButton);
        QCOMPARE(clickedRows.size(), 1);
    }
};

QTEST_MAIN(TestClicks)
#include "tst_clicks.moc"
