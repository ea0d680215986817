#include "app/moduleflags.h"

quint8 MODODESCARGA = 0;
quint8 DATOSDESCARGADOS = 0;
quint8 PONERENHORA = 0;
quint8 PUERTOCONFIGURADO = 0;

void resetModuleFlags()
{
    MODODESCARGA = 0;
    DATOSDESCARGADOS = 0;
    PONERENHORA = 0;
    PUERTOCONFIGURADO = 0;
}
