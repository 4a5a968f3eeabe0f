#include "app/fontdialog.h"
#include "support/testprogram.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTest>

// The program's own font dialog, and the German of Qt's dialogs.
class TestDialogs : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void fontDialogOpensWithItsOwnSettings();
    void fontDialogReturnsEveryValue();
    void fontDialogSizes_data();
    void fontDialogSizes();
    void effectsOnlyWithTheirFlag();
    void qtDialogsSpeakGerman();
};

namespace {

template<typename T>
T *part(const FontDialog &dialog, const char *name)
{
    return dialog.findChild<T *>(QString::fromLatin1(name));
}

} // namespace

void TestDialogs::fontDialogOpensWithItsOwnSettings()
{
    const FontChoice start{{"Times New Roman", 8}, VbColors::Black};
    FontDialog dialog(start, 259);
    QCOMPARE(part<QLineEdit>(dialog, "face")->text(), "Times New Roman");
    // The faces the designs name are offered beside the installed ones.
    QVERIFY(!part<QListWidget>(dialog, "faces")->findItems("Arial", Qt::MatchExactly).isEmpty());
    QCOMPARE(part<QListWidget>(dialog, "faces")->currentItem()->text(), "Times New Roman");
    QCOMPARE(part<QComboBox>(dialog, "size")->currentText(), "8");
    QCOMPARE(part<QListWidget>(dialog, "styles")->currentItem()->text(), "Standard");
    QCOMPARE(part<QComboBox>(dialog, "color")->currentText(), "Schwarz");
    QCOMPARE(part<QComboBox>(dialog, "color")->count(), 16);
    QCOMPARE(dialog.choice().font.face, start.font.face);
    QCOMPARE(dialog.choice().font.size, 8.0f);
}

void TestDialogs::fontDialogReturnsEveryValue()
{
    FontDialog dialog({{"Times New Roman", 8}, VbColors::Black}, 259);
    QLabel *sample = part<QLabel>(dialog, "sample");
    part<QListWidget>(dialog, "faces")->setCurrentItem(
        part<QListWidget>(dialog, "faces")->findItems("Arial", Qt::MatchExactly).first());
    part<QListWidget>(dialog, "styles")->setCurrentRow(3);
    part<QComboBox>(dialog, "size")->setEditText("10,5");
    part<QCheckBox>(dialog, "underline")->setChecked(true);
    part<QCheckBox>(dialog, "strikeout")->setChecked(true);
    part<QComboBox>(dialog, "color")->setCurrentText("Fuchsia");

    const FontChoice c = dialog.choice();
    QCOMPARE(c.font.face, "Arial");
    QCOMPARE(c.font.size, 10.5f);
    QVERIFY(c.font.bold && c.font.italic && c.font.underline && c.font.strikeout);
    QCOMPARE(c.color, VbColor(0x00FF00FF));
    // The sample shows the choice as it is made.
    QCOMPARE(sample->font().pointSizeF(), 10.5);
    QVERIFY(sample->font().bold() && sample->font().italic() && sample->font().underline());
    QCOMPARE(sample->palette().color(QPalette::WindowText), QColor(0xFF, 0x00, 0xFF));

    dialog.accept();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
}

void TestDialogs::fontDialogSizes_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<float>("size");
    QTest::newRow("from the list") << "72" << true << 72.0f;
    QTest::newRow("fraction with comma") << "9,75" << true << 9.75f;
    QTest::newRow("zero") << "0" << false << 8.0f;
    QTest::newRow("negative") << "-3" << false << 8.0f;
    QTest::newRow("huge") << "100000" << false << 8.0f;
    QTest::newRow("word") << "groß" << false << 8.0f;
}

void TestDialogs::fontDialogSizes()
{
    QFETCH(QString, typed);
    QFETCH(bool, accepted);
    QFETCH(float, size);
    FontDialog dialog({{"Times New Roman", 8}, VbColors::Black}, 259);
    dialog.show();
    part<QComboBox>(dialog, "size")->setEditText(typed);
    dialog.accept();
    // A size that is no usable number keeps the dialog open.
    QCOMPARE(dialog.isVisible(), !accepted);
    QCOMPARE(dialog.choice().font.size, size);
}

void TestDialogs::effectsOnlyWithTheirFlag()
{
    FontDialog plain({{"Arial", 10}, VbColors::Black}, 3);
    plain.show();
    QVERIFY(!part<QCheckBox>(plain, "underline")->isVisible());
    FontDialog effects({{"Arial", 10}, VbColors::Black}, 259);
    effects.show();
    QVERIFY(part<QCheckBox>(effects, "underline")->isVisible());
    QVERIFY(part<QComboBox>(effects, "color")->isVisible());
}

namespace {

// Every text a user can read in a window and its children.
QStringList textsOf(const QWidget &window)
{
    QStringList texts{window.windowTitle()};
    for (const QAbstractButton *b : window.findChildren<QAbstractButton *>())
        texts << b->text() << b->toolTip();
    for (const QLabel *l : window.findChildren<QLabel *>())
        texts << l->text();
    for (const QGroupBox *g : window.findChildren<QGroupBox *>())
        texts << g->title();
    for (const QTabWidget *t : window.findChildren<QTabWidget *>())
        for (int i = 0; i < t->count(); ++i)
            texts << t->tabText(i);
    texts.removeAll(QString());
    return texts;
}

// Words of Qt's English texts that a German text never holds ("Name" is German as well).
QStringList englishIn(const QStringList &texts)
{
    static const QRegularExpression english(QStringLiteral(
        "\\b(Cancel|Print|Printer|Properties|Options|Copies|Pages?|Close|Yes|No|Save|Open|Undo|Redo|"
        "Cut|Copy|Paste|Delete|Select|All|File|Type|Location|Collate|Reverse|Color|Colour|Duplex|"
        "Output|Settings|Range|Current|Selection|Help|Apply|Reset|Abort|Retry|Ignore)\\b"));
    QStringList found;
    for (const QString &text : texts)
        if (QString(text).remove(QLatin1Char('&')).contains(english))
            found << text;
    return found;
}

} // namespace

void TestDialogs::qtDialogsSpeakGerman()
{
    QPrinter printer;
    QPrintDialog print(&printer);
    QCOMPARE(print.windowTitle(), "Drucken");
    const QStringList printTexts = textsOf(print);
    QVERIFY2(printTexts.contains("&Drucken") && printTexts.contains("Abbrechen"), qPrintable(printTexts.join('|')));
    QVERIFY2(englishIn(printTexts).isEmpty(), qPrintable(englishIn(printTexts).join('|')));

    FontDialog font({{"Arial", 10}, VbColors::Black}, 259);
    QDialogButtonBox *box = font.findChild<QDialogButtonBox *>();
    QCOMPARE(box->button(QDialogButtonBox::Cancel)->text(), "Abbrechen");
    QVERIFY2(englishIn(textsOf(font)).isEmpty(), qPrintable(englishIn(textsOf(font)).join('|')));

    QLineEdit edit;
    std::unique_ptr<QMenu> menu(edit.createStandardContextMenu());
    QVERIFY(menu->actions().first()->text().startsWith("&Rückgängig"));
    QStringList menuTexts;
    for (const QAction *action : menu->actions())
        menuTexts << action->text();
    menuTexts.removeAll(QString());
    QVERIFY2(englishIn(menuTexts).isEmpty(), qPrintable(englishIn(menuTexts).join('|')));

    QMessageBox message(QMessageBox::Question, QString(), QString(),
                        QMessageBox::Ok | QMessageBox::Cancel | QMessageBox::Yes | QMessageBox::No);
    QVERIFY2(englishIn(textsOf(message)).isEmpty(), qPrintable(englishIn(textsOf(message)).join('|')));
}

ZD_TEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
