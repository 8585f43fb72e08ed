#include "FocusStopsTest.h"

#include "CapsureSelectDialog.h"
#include "ColorVistralWidget.h"
#include "MainWidget.h"
#include "MyPaletteFullWidget.h"
#include "SelectNearestColorDialog.h"
#include "StateStore.h"
#include "TestDecks.h"
#include "TexturesWidget.h"

#include <QLineEdit>
#include <QTest>

#include <memory>

using namespace Corvane;
using Corvane::Test::WidgetDeck;

namespace {

// The widgets of `window` that the Tab key reaches, in the order it reaches them.
QList<QWidget *> tabStops(QWidget &window)
{
    QList<QWidget *> stops;
    for (QWidget *widget = window.nextInFocusChain(); widget != &window;
         widget = widget->nextInFocusChain()) {
        if ((widget->focusPolicy() & Qt::TabFocus) && widget->isVisibleTo(&window)
            && widget->isEnabled())
            stops.append(widget);
    }
    return stops;
}

int changedPixels(const QImage &before, const QImage &after)
{
    int changed = 0;
    for (int y = 0; y < before.height(); ++y) {
        for (int x = 0; x < before.width(); ++x)
            changed += before.pixel(x, y) != after.pixel(x, y);
    }
    return changed;
}

// The main widget, My Palette's full view or a scrolling tab page the deck does not offer, in
// a window; or one of the picker's dialogs.
std::unique_ptr<QWidget> shownWindow(const QString &shown)
{
    const QVector<DB::ColorEntry> chips {WidgetDeck::chip(WidgetDeck::normal, 1, 1),
                                         WidgetDeck::chip(WidgetDeck::normal, 2, 1)};
    if (shown == QLatin1String("nearest colour dialog"))
        return std::make_unique<SelectNearestColorDialog>(chips.first().color(), chips);
    if (shown == QLatin1String("capture dialog"))
        return std::make_unique<CapsureSelectDialog>(chips);
    auto window = std::make_unique<QWidget>();
    window->resize(800, 600);
    if (shown == QLatin1String("main")) {
        new MainWidget(&currentMainWidget, window.get());
        return window;
    }
    if (shown == QLatin1String("full view")) {
        (new MyPaletteFullWidget(window.get()))->resize(800, 600);
        return window;
    }
    QWidget *page = nullptr;
    if (shown == QLatin1String("textures"))
        page = new TexturesWidget(window.get());
    else
        page = new ColorVistralWidget(window.get());
    page->setGeometry(235, 101, 565, 226);
    return window;
}

QString describe(const QWidget &widget)
{
    return QStringLiteral("%1 at %2,%3")
        .arg(QLatin1String(widget.metaObject()->className()))
        .arg(widget.mapTo(widget.window(), QPoint(0, 0)).x())
        .arg(widget.mapTo(widget.window(), QPoint(0, 0)).y());
}

} // namespace

void FocusStopsTest::cleanup()
{
    Corvane::Test::resetEngineState();
}

void FocusStopsTest::everyStopIsMarked_data()
{
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QUuid>("collection");
    QTest::addColumn<int>("page");
    QTest::newRow("colour schemes") << "main" << WidgetDeck::normal << int(PageOfColorSchemes);
    QTest::newRow("products") << "main" << WidgetDeck::normal << int(PageOfProducts);
    QTest::newRow("duvalin colour schemes")
        << "main" << WidgetDeck::duvalin << int(PageOfColorSchemes);
    QTest::newRow("My Palette's full view")
        << "full view" << WidgetDeck::normal << int(PageOfColorSchemes);
    QTest::newRow("nearest colour dialog")
        << "nearest colour dialog" << WidgetDeck::normal << int(PageOfColorSchemes);
    QTest::newRow("capture dialog")
        << "capture dialog" << WidgetDeck::normal << int(PageOfColorSchemes);
    QTest::newRow("textures page") << "textures" << WidgetDeck::normal << int(PageOfTextures);
    QTest::newRow("trend colours page")
        << "trend colours" << WidgetDeck::normal << int(PageOfColorVistral);
}

// Focused, a stop draws a dotted frame: as many pixels change as a sixth of its edge (the
// dotted line changes every third pixel on a white background). Line edits show their text
// cursor instead.
void FocusStopsTest::everyStopIsMarked()
{
    QFETCH(QString, shown);
    QFETCH(QUuid, collection);
    QFETCH(int, page);
    m_deck.reset(collection);
    StateStore().setTabPageIndex(collection, page);
    const std::unique_ptr<QWidget> window = shownWindow(shown);
    window->show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    // As after a Tab key: the toolkit's own widgets mark only focus reached by keyboard.
    window->setAttribute(Qt::WA_KeyboardFocusChange);

    const QList<QWidget *> stops = tabStops(*window);
    QVERIFY(!stops.isEmpty());
    QStringList unmarked;
    for (QWidget *stop : stops) {
        if (qobject_cast<QLineEdit *>(stop))
            continue;
        stop->clearFocus();
        const QImage before = stop->grab().toImage();
        stop->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(stop->hasFocus());
        const QImage after = stop->grab().toImage();
        const int edge = 2 * (before.width() + before.height()) - 4;
        if (changedPixels(before, after) < edge / 6)
            unmarked << describe(*stop);
    }
    QVERIFY2(unmarked.isEmpty(), qPrintable(unmarked.join(QStringLiteral("; "))));
}

void FocusStopsTest::mainWidgetMarksTabFocusOnly_data()
{
    QTest::addColumn<int>("reason");
    QTest::addColumn<bool>("marked");
    QTest::newRow("tab") << int(Qt::TabFocusReason) << true;
    QTest::newRow("shift+tab") << int(Qt::BacktabFocusReason) << true;
    QTest::newRow("click on the background") << int(Qt::MouseFocusReason) << false;
}

// The frame around the whole picker shows for focus that came by the Tab key only.
void FocusStopsTest::mainWidgetMarksTabFocusOnly()
{
    QFETCH(int, reason);
    QFETCH(bool, marked);
    m_deck.reset();
    QWidget window;
    auto *main = new MainWidget(&currentMainWidget, &window);
    window.resize(main->size());
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    main->clearFocus();
    const QImage before = main->grab().toImage();
    main->setFocus(Qt::FocusReason(reason));
    QTRY_VERIFY(main->hasFocus());
    QCOMPARE(main->grab().toImage() != before, marked);
}
