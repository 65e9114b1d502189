#pragma once
// The view settings kept between runs, in the group "Settings" of the application's
// QSettings (organisation and application names are set by main).

class QString;
struct CAnsicht;

// Reads the settings into the view state. A value that is missing, not an integer or outside its
// range gives the default of that value, so the view never starts in a state it cannot draw.
void EinstellungenLesen(CAnsicht& ansicht);
// Writes them all.
void EinstellungenSchreiben(const CAnsicht& ansicht);

// The folder of elevation tiles, UTF-8 path as the user chose it; empty: no ground is drawn.
QString GelaendeOrdner();
void GelaendeOrdnerSetzen(const QString& ordner);
