#pragma once
// The serial port's setup dialog: port, speed, data bits, parity, stop bits,
// flow control. OK applies, Cancel keeps; it neither opens nor closes the port.

#include "link/serialport.h"

#include <QDialog>

class QComboBox;

class PortSetupDialog : public QDialog {
    Q_OBJECT
public:
    explicit PortSetupDialog(const PortSettings &settings, QWidget *parent = nullptr);
    PortSettings settings() const;

    // Shows the dialog modally preset with `settings`; true and the choice in
    // `settings` on OK.
    static bool edit(PortSettings &settings, QWidget *parent);

    QComboBox *port;
    QComboBox *speed;
    QComboBox *dataBits;
    QComboBox *parity;
    QComboBox *stopBits;
    QComboBox *flowControl;
};
