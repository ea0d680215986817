#include "app/forms.h"

#include "app/mainwindow.h"
#include "chart/chartwindow.h"
#include "data/datawindow.h"
#include "info/aboutwindow.h"
#include "info/helpwindow.h"
#include "live/thermometerwindow.h"
#include "settings/clockwindow.h"
#include "settings/ratewindow.h"

TForm1 *Form1 = nullptr;
TForm2 *Form2 = nullptr;
TForm3 *Form3 = nullptr;
TForm4 *Form4 = nullptr;
TForm5 *Form5 = nullptr;
TForm6 *Form6 = nullptr;
TForm7 *Form7 = nullptr;
TForm8 *Form8 = nullptr;

void createForms(SerialPort *port)
{
    Form1 = new TForm1(port);
    Form2 = new TForm2;
    Form3 = new TForm3;
    Form5 = new TForm5;
    Form6 = new TForm6;
    Form7 = new TForm7;
    Form8 = new TForm8;
    Form4 = new TForm4;
}

template <typename T>
static void destroy(T *&form)
{
    delete form;
    form = nullptr;
}

void destroyForms()
{
    destroy(Form4);
    destroy(Form8);
    destroy(Form7);
    destroy(Form6);
    destroy(Form5);
    destroy(Form3);
    destroy(Form2);
    destroy(Form1);
}
