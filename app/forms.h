#pragma once
// The eight windows, created once and reached through one global each.

class SerialPort;
class TForm1;
class TForm2;
class TForm3;
class TForm4;
class TForm5;
class TForm6;
class TForm7;
class TForm8;

extern TForm1 *Form1; // main window
extern TForm2 *Form2; // about
extern TForm3 *Form3; // help
extern TForm4 *Form4; // thermometers
extern TForm5 *Form5; // downloaded data
extern TForm6 *Form6; // chart
extern TForm7 *Form7; // sampling rate
extern TForm8 *Form8; // logger clock

// Creates the windows in start-up order, none shown; the main window takes the port.
void createForms(SerialPort *port);
void destroyForms();
