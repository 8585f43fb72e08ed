#include "SearchWidgetTest.h"

#include "RollButton.h"
#include "SearchWidget.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

using namespace Corvane;
using Corvane::Test::WidgetDeck;

void SearchWidgetTest::upperCase_data()
{
    QTest::addColumn<bool>("pasted");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown");
    QTest::newRow("typed") << false << "warm grey 2"
                           << "WARM GREY 2";
    QTest::newRow("typed accents") << false << "blé"
                                   << "BLÉ";
    QTest::newRow("pasted mixed case") << true << "Rosewood Velvet"
                                       << "ROSEWOOD VELVET";
}

void SearchWidgetTest::upperCase()
{
    QFETCH(bool, pasted);
    QFETCH(QString, text);
    QFETCH(QString, shown);
    m_deck.reset();
    SearchWidget search;
    QLineEdit *edit = search.lineEdit();
    // No completion may extend what was typed.
    edit->setCompleter(nullptr);
    if (pasted) {
        QGuiApplication::clipboard()->setText(text);
        edit->paste();
    } else {
        // Each character as the key event a keyboard sends; keyClicks takes ASCII only.
        for (const QChar character : text) {
            QTest::sendKeyEvent(QTest::Press, edit, Qt::Key_unknown, QString(character),
                                Qt::NoModifier);
            QTest::sendKeyEvent(QTest::Release, edit, Qt::Key_unknown, QString(character),
                                Qt::NoModifier);
        }
    }
    QCOMPARE(edit->text(), shown);
}

void SearchWidgetTest::escapeClears()
{
    m_deck.reset();
    QWidget window;
    auto *search = new SearchWidget(&window);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QSignalSpy spy(search, &SearchWidget::searchForPhrase);
    QLineEdit *edit = search->lineEdit();
    edit->setFocus();
    edit->setText(QStringLiteral("N2"));
    QTest::keyClick(edit, Qt::Key_Escape);
    QVERIFY(edit->text().isEmpty());
    QVERIFY(!edit->hasFocus());
    QCOMPARE(spy.count(), 0);
    // The strip keeps the focus and marks it.
    QVERIFY(search->hasFocus());
    const QImage marked = search->grab().toImage();
    search->clearFocus();
    QVERIFY(search->grab().toImage() != marked);
}

void SearchWidgetTest::returnHandsPhrase_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("phrase");
    QTest::newRow("trimmed") << "  N2-1 \t"
                             << "N2-1";
    QTest::newRow("empty") << ""
                           << "";
}

void SearchWidgetTest::returnHandsPhrase()
{
    QFETCH(QString, text);
    QFETCH(QString, phrase);
    m_deck.reset();
    SearchWidget search;
    QSignalSpy spy(&search, &SearchWidget::searchForPhrase);
    search.lineEdit()->setText(text);
    QTest::keyClick(search.lineEdit(), Qt::Key_Return);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.first().first().toString(), phrase);
    QVERIFY(search.lineEdit()->text().isEmpty());
}

void SearchWidgetTest::rollButtons()
{
    m_deck.reset();
    SearchWidget search;
    QSignalSpy spy(&search, &SearchWidget::roll);
    QTest::mouseClick(search.forwardButton(), Qt::LeftButton);
    QTest::mouseClick(search.backwardButton(), Qt::LeftButton);
    QCOMPARE(spy.count(), 2);
    QCOMPARE(spy.at(0).first().value<Direction>(), DirectionForward);
    QCOMPARE(spy.at(1).first().value<Direction>(), DirectionBackward);
}

void SearchWidgetTest::rollButtonRepeats()
{
    m_deck.reset();
    QWidget window;
    auto *search = new SearchWidget(&window);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QSignalSpy spy(search, &SearchWidget::roll);
    RollButton *button = search->forwardButton();
    const int hold = button->autoRepeatDelay() + 3 * button->autoRepeatInterval();
    QTest::mousePress(button, Qt::LeftButton);
    QTest::qWait(hold);
    QTest::mouseRelease(button, Qt::LeftButton);
    QVERIFY2(spy.count() >= 3, qPrintable(QString::number(spy.count())));
}

// The edit sits between the glass and the roll buttons; the buttons end at the right edge.
void SearchWidgetTest::layout()
{
    m_deck.reset();
    SearchWidget search;
    QCOMPARE(search.size(), QSize(210, 26));
    const QRect forward = search.forwardButton()->geometry();
    const QRect backward = search.backwardButton()->geometry();
    QCOMPARE(forward.right(), 209);
    QCOMPARE(backward.right(), forward.left() - 1);
    QCOMPARE(backward.top(), forward.top());
    const QRect edit = search.lineEdit()->geometry();
    QCOMPARE(edit.left(), search.glassRect().right() + 2);
    QCOMPARE(edit.right(), backward.left() - 15);
    QCOMPARE(edit.top(), (26 - edit.height()) / 2);
}
