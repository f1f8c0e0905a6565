// The start-up baseline: a program that only shows an empty QDialog of the
// given size.
// Usage: tonik_bare_dialog WIDTH HEIGHT
#include <QApplication>
#include <QDialog>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QDialog dialog;
    dialog.setWindowTitle(QStringLiteral("Bare"));
    if (argc >= 3)
        dialog.setFixedSize(QString::fromLocal8Bit(argv[1]).toInt(), QString::fromLocal8Bit(argv[2]).toInt());
    return dialog.exec();
}
