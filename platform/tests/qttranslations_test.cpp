// SPDX-License-Identifier: GPL-3.0-or-later
#include "qttranslations.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

class QtTranslationsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QVERIFY(InstallChineseQtTexts(*QCoreApplication::instance())); }

    void messageBoxButtonsReadChinese();
    void saveDialogReadsChinese();
};

void QtTranslationsTest::messageBoxButtonsReadChinese()
{
    QMessageBox box(QMessageBox::Information, u"Lumaro"_s, u"表达式错误"_s, QMessageBox::Ok);
    QCOMPARE(box.button(QMessageBox::Ok)->text(), u"确定"_s);
}

void QtTranslationsTest::saveDialogReadsChinese()
{
    QFileDialog dialog(nullptr, u"导出PDF"_s);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    const auto *buttons = dialog.findChild<QDialogButtonBox *>();
    QVERIFY(buttons);
    QCOMPARE(buttons->button(QDialogButtonBox::Cancel)->text(), u"取消"_s);
    // With its keyboard accelerator, as in 保存(&S).
    QVERIFY(buttons->button(QDialogButtonBox::Save)->text().startsWith(u"保存"_s));
    const auto *fileNameLabel = dialog.findChild<QLabel *>(u"fileNameLabel"_s);
    QVERIFY(fileNameLabel);
    QVERIFY(!fileNameLabel->text().contains(u"File name"_s));
}

QTEST_MAIN(QtTranslationsTest)
#include "qttranslations_test.moc"
