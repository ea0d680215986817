#pragma once
// The main window's four module flags, shared by the windows; each 0 or 1.

#include <QtGlobal>

extern quint8 MODODESCARGA;      // a download runs: receive events go to the download step
extern quint8 DATOSDESCARGADOS;  // a download has completed: the button only reopens the data
extern quint8 PONERENHORA;       // a clock transfer is pending
extern quint8 PUERTOCONFIGURADO; // the port counts as configured: no setup dialog on activation

// All back to 0, as at start (tests start every case from here).
void resetModuleFlags();
