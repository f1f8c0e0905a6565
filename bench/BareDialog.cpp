// The start-up baselines: a program that only shows an empty QDialog of the
// given size, or (with --text) the same dialog with one line of text, which
// makes it load fonts as any dialog with labels must.
// Usage: tonik_bare_dialog WIDTH HEIGHT [--text]
#include <QApplication>
#include <QDialog>
#include <QLabel>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QDialog dialog;
    dialog.setWindowTitle(QStringLiteral("Bare"));
    if (argc >= 3)
        dialog.setFixedSize(QString::fromLocal8Bit(argv[1]).toInt(), QString::fromLocal8Bit(argv[2]).toInt());
    if (argc >= 4 && QString::fromLocal8Bit(argv[3]) == QStringLiteral("--text"))
        (new QLabel(QStringLiteral("SAMPLE"), &dialog))->move(10, 10);
    return dialog.exec();
}
