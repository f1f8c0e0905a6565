#include <QApplication>

#include "app/ColorPickerApp.h"

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    tonik::ColorPickerApp colorPicker;
    return colorPicker.InitInstance() ? application.exec() : 0;
}
