// The About dialog: its controls, texts and geometry, and the keys that close it.

#include "windows/frmAbout.h"

#include "Version.h"

#include <QAccessible>
#include <QIcon>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QWidget>

class TestAboutWindow : public QObject {
    Q_OBJECT

private:
    QWidget owner;

    static QIcon solidIcon(const QColor& color) {
        QPixmap pixmap(32, 32);
        pixmap.fill(color);
        return QIcon(pixmap);
    }

private slots:
    void initTestCase() {
        owner.setWindowIcon(solidIcon(QColor(200, 30, 40)));
        owner.resize(640, 480);
        owner.show();
        QVERIFY(QTest::qWaitForWindowExposed(&owner));
    }

    void window() {
        frmAbout dlg(&owner);
        QCOMPARE(dlg.objectName(), QStringLiteral("frmAbout"));
        QCOMPARE(dlg.windowTitle(), QStringLiteral("About Tintara"));
        QVERIFY(dlg.isModal());
        QCOMPARE(dlg.parentWidget(), &owner);
        // 4575 x 2775 twips, and the user cannot change it.
        QCOMPARE(dlg.size(), QSize(305, 185));
        QCOMPARE(dlg.minimumSize(), QSize(305, 185));
        QCOMPARE(dlg.maximumSize(), QSize(305, 185));
        const Qt::WindowFlags flags = dlg.windowFlags();
        QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
        QVERIFY(!(flags & Qt::WindowContextHelpButtonHint));
        QVERIFY(flags & Qt::WindowCloseButtonHint);
    }

    void controls_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("className");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<QString>("spoken"); // what a screen reader announces

        QTest::newRow("picIcon") << "picIcon"
                                 << "QLabel" << QRect(8, 8, 34, 34) << "Program icon";
        QTest::newRow("lblTitle") << "lblTitle"
                                  << "QLabel" << QRect(56, 8, 259, 24) << "Tintara";
        QTest::newRow("lblVersion")
            << "lblVersion"
            << "QLabel" << QRect(56, 32, 259, 15) << QStringLiteral("Version " TINTARA_VERSION);
        QTest::newRow("Label1") << "Label1"
                                << "QLabel" << QRect(8, 64, 289, 49) << "";
        QTest::newRow("Line1") << "Line1"
                               << "QWidget" << QRect(0, 136, 304, 2) << "";
        QTest::newRow("lblDisclaimer") << "lblDisclaimer"
                                       << "QLabel" << QRect(8, 155, 209, 15) << "";
        QTest::newRow("cmdOK") << "cmdOK"
                               << "QPushButton" << QRect(224, 152, 68, 23) << "OK";
    }

    void controls() {
        QFETCH(QString, name);
        QFETCH(QString, className);
        QFETCH(QRect, geometry);
        QFETCH(QString, spoken);

        frmAbout dlg(&owner);
        auto* control = dlg.findChild<QWidget*>(name);
        QVERIFY2(control, qPrintable(name));
        QCOMPARE(QString::fromLatin1(control->metaObject()->className()), className);
        QCOMPARE(control->parentWidget(), &dlg);
        QCOMPARE(control->geometry(), geometry);
        // Labels are announced by their text (the two texts of free wording by what they show).
        auto* label = qobject_cast<QLabel*>(control);
        if (spoken.isEmpty() && label)
            spoken = label->text();
        if (!spoken.isEmpty())
            QCOMPARE(QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name),
                     spoken);
    }

    void texts() {
        frmAbout dlg(&owner);
        QCOMPARE(dlg.findChild<QLabel*>("lblTitle")->text(), QStringLiteral("Tintara"));
        QCOMPARE(dlg.findChild<QPushButton*>("cmdOK")->text(), QStringLiteral("OK"));
        QVERIFY(!dlg.findChild<QLabel*>("Label1")->text().trimmed().isEmpty());
        QVERIFY(dlg.findChild<QLabel*>("Label1")->wordWrap());
        QVERIFY(!dlg.findChild<QLabel*>("lblDisclaimer")->text().trimmed().isEmpty());

        const QFont titleFont = dlg.findChild<QLabel*>("lblTitle")->font();
        QVERIFY(titleFont.bold());
        QCOMPARE(titleFont.pointSize(), 12);
        QCOMPARE(QFontInfo(titleFont).family(), QStringLiteral("Liberation Sans"));

        // The etched separator: grey over white, across the dialog.
        const QImage line = dlg.findChild<QWidget*>("Line1")->grab().toImage();
        QCOMPARE(line.size(), QSize(304, 2));
        for (int x : {0, 151, 303}) {
            QCOMPARE(line.pixelColor(x, 0), QColor(128, 128, 128));
            QCOMPARE(line.pixelColor(x, 1), QColor(Qt::white));
        }
    }

    void version() {
        frmAbout dlg(&owner);
        const QString text = dlg.findChild<QLabel*>("lblVersion")->text();
        QCOMPARE(text, QStringLiteral("Version ") + QStringLiteral(TINTARA_VERSION));
        // Major, minor and revision in plain decimal.
        QVERIFY2(QRegularExpression(QStringLiteral("^Version (0|[1-9][0-9]*)\\.(0|[1-9][0-9]*)"
                                                   "\\.(0|[1-9][0-9]*)$"))
                     .match(text)
                     .hasMatch(),
                 qPrintable(text));
    }

    void ownerIcon() {
        frmAbout dlg(&owner);
        const QImage shown = dlg.findChild<QLabel*>("picIcon")->pixmap().toImage();
        QVERIFY(!shown.isNull());
        QCOMPARE(shown.pixelColor(shown.width() / 2, shown.height() / 2), QColor(200, 30, 40));
        const QImage own = dlg.windowIcon().pixmap(16, 16).toImage();
        QCOMPARE(own.pixelColor(8, 8), QColor(200, 30, 40));

        // Another owner, another icon.
        QWidget other;
        other.setWindowIcon(solidIcon(QColor(10, 120, 250)));
        frmAbout second(&other);
        const QImage otherShown = second.findChild<QLabel*>("picIcon")->pixmap().toImage();
        QCOMPARE(otherShown.pixelColor(otherShown.width() / 2, otherShown.height() / 2),
                 QColor(10, 120, 250));
    }

    void defaultButton() {
        frmAbout dlg(&owner);
        QVERIFY(dlg.findChild<QPushButton*>("cmdOK")->isDefault());
    }

    void keysClose_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("result");
        QTest::newRow("Enter") << int(Qt::Key_Return) << int(QDialog::Accepted);
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << int(QDialog::Accepted);
        QTest::newRow("Esc") << int(Qt::Key_Escape) << int(QDialog::Rejected);
    }

    void keysClose() {
        QFETCH(int, key);
        QFETCH(int, result);

        frmAbout dlg(&owner);
        dlg.open();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        QVERIFY(dlg.isVisible());
        dlg.setResult(-1);

        QTest::keyClick(&dlg, Qt::Key(key));
        QVERIFY(!dlg.isVisible());
        QCOMPARE(dlg.result(), result);
    }

    void otherKeysKeepItOpen() {
        frmAbout dlg(&owner);
        dlg.open();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        QTest::keyClick(&dlg, Qt::Key_A);
        QTest::keyClick(&dlg, Qt::Key_Space, Qt::NoModifier);
        QVERIFY(dlg.isVisible());
        dlg.reject();
    }

    void okButtonCloses() {
        frmAbout dlg(&owner);
        dlg.open();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        dlg.setResult(-1);
        QTest::mouseClick(dlg.findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
        QVERIFY(!dlg.isVisible());
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
    }
};

QTEST_MAIN(TestAboutWindow)
#include "tst_about_window.moc"
