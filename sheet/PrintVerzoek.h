#pragma once
// The print request: the only thing the print dialog and the main window share. The dialog
// writes it; the main window reads it when it becomes active again.

#include <string>

struct TPrintVerzoek {
    std::string Titel;  // the worksheet's title, UTF-8
    bool Klaar = false; // closed with a button since its last activation; then: printer chosen
    bool Geannuleerd = false; // closed with Cancel
    bool Oplossingen = false; // print the solutions page as well
};
