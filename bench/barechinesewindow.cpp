// SPDX-License-Identifier: GPL-3.0-or-later
// A second yardstick for the program's start: a bare window that does what the main window
// cannot do without, and nothing else: it fills the screen and shows Chinese captions in the
// five faces the windows are drawn in. Nothing of the program's own is in it.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QScreen>
#include <QVBoxLayout>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    auto *page = new QWidget(&window);
    auto *captions = new QVBoxLayout(page);
    const QList<std::pair<QString, QString>> faces{
        {QStringLiteral("Noto Serif CJK SC"), QStringLiteral("Orvik Method 应用题")},
        {QStringLiteral("LXGW WenKai"), QStringLiteral("提高能力 思路 方法 技巧")},
        {QStringLiteral("AR PL UMing CN"),
         QStringLiteral("基本思想 加减应用题 乘除应用题 分数应用题 比例应用题 综合应用题")},
        {QStringLiteral("AR PL UKai CN"),
         QStringLiteral("x+a=b a+b+c=? 供小学四年级至初中学生使用")},
        {QStringLiteral("WenQuanYi Zen Hei"), QStringLiteral("使用说明 问题反馈 退出")}};
    for (const auto &[face, text] : faces) {
        auto *label = new QLabel(text, page);
        label->setFont(QFont(face, 18));
        captions->addWidget(label);
    }
    window.setCentralWidget(page);
    window.setGeometry(window.screen()->geometry());
    window.showMaximized();
    return QApplication::exec();
}
