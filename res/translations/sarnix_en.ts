<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>Befehlstexte</name>
    <message>
        <source>Speichert den Flug als GPX-Datei oder als farbige KML-Spur für 3-D-Globen.</source>
        <translation>Saves the flight as a GPX file or as a coloured KML track for 3-D globes.</translation>
    </message>
    <message>
        <source>Zeigt den Flug in der Grundrißdarstellung an.</source>
        <translation>Shows the flight as a plan view.</translation>
    </message>
    <message>
        <source>Zeigt den Flug in einem Barogramm mit der Blickrichtung nach Norden.</source>
        <translation>Shows the flight in a barogram looking north.</translation>
    </message>
    <message>
        <source>Zeigt den Flug in einem Barogramm mit der Blickrichtung nach Westen.</source>
        <translation>Shows the flight in a barogram looking west.</translation>
    </message>
    <message>
        <source>Zeigt den Temperaturverlauf des ausgewählten Ausschnittes an.</source>
        <translation>Shows the temperature profile of the selected section.</translation>
    </message>
    <message>
        <source>Schaltet die Einfärbung der Grafik ab.</source>
        <translation>Switches the colouring of the graph off.</translation>
    </message>
    <message>
        <source>Färb die Grafik in Abhängigkeit von der Abweichung von der Tagestemperatur.</source>
        <translation>Colours the graph by the deviation from the day&apos;s temperature.</translation>
    </message>
    <message>
        <source>TAS minus SOG (Gegenwind blau | Rückenwind rot).</source>
        <translation>TAS minus SOG (headwind blue | tailwind red).</translation>
    </message>
    <message>
        <source>Färbt die Grafik in Abhängikeit von der Flughöhe.</source>
        <translation>Colours the graph by the altitude.</translation>
    </message>
    <message>
        <source>Färbt die Grafik nach steigen und sinken.</source>
        <translation>Colours the graph by climb and sink.</translation>
    </message>
    <message>
        <source>Öffnet dieses Dokument.</source>
        <translation>Opens this document.</translation>
    </message>
    <message>
        <source>Öffnet ein bestehendes Dokument.</source>
        <translation>Opens an existing document.</translation>
    </message>
    <message>
        <source>Druckt das aktive Dokument.</source>
        <translation>Prints the active document.</translation>
    </message>
    <message>
        <source>Zeigt die Seite so an, wie sie gedruckt wird.</source>
        <translation>Shows the page as it will be printed.</translation>
    </message>
    <message>
        <source>Beendet die Anwendung.</source>
        <translation>Quits the application.</translation>
    </message>
    <message>
        <source>Zeigt Programm-, Versions- und Copyright-Informationen an.</source>
        <translation>Shows program, version and copyright information.</translation>
    </message>
    <message>
        <source>Blendet die Statusleiste ein oder aus.</source>
        <translation>Shows or hides the status bar.</translation>
    </message>
    <message>
        <source>Blendet die Symbolleiste ein oder aus.</source>
        <translation>Shows or hides the toolbar.</translation>
    </message>
    <message>
        <source>Es wird nur eine Ansicht am Bildschirm dargestellt.</source>
        <translation>Shows only one graph on the screen.</translation>
    </message>
    <message>
        <source>Der Bildschirm wird in zwei Bereiche unterteilt (für Gegenüberstellungen der einzelnen Ansichten).</source>
        <translation>Divides the screen into two areas (to compare the graphs side by side).</translation>
    </message>
    <message>
        <source>Blendet die Zeitmarken in die Grafik ein.</source>
        <translation>Shows the time marks in the graph.</translation>
    </message>
    <message>
        <source>Blendet die Wegpunkte in die Grafik ein.</source>
        <translation>Shows the route points in the graph.</translation>
    </message>
    <message>
        <source>Ermöglicht mit Hilfe der Maus ein teiweises vergrößern der Grafik.</source>
        <translation>Lets you enlarge part of the graph with the mouse.</translation>
    </message>
    <message>
        <source>Stellt das Dreifache des aktuellen Fensterinhaltes am Bildschirm dar.</source>
        <translation>Shows three times what the window shows now.</translation>
    </message>
    <message>
        <source>Paßt die Grafik optimal an den zur Verfügung stehenden Platz an.</source>
        <translation>Fits the graph into the space available.</translation>
    </message>
    <message>
        <source>Zeigt eine Dialogbox mit Daten des aktuellen Fluges an.</source>
        <translation>Shows a dialog box with data of the current flight.</translation>
    </message>
    <message>
        <source>Öffnet eine Dialogbox zur Konfiguration der Grafik</source>
        <translation>Opens a dialog box to configure the graph</translation>
    </message>
    <message>
        <source>Öffnen</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Drucken</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Info über Sarnix</source>
        <translation>About Sarnix</translation>
    </message>
    <message>
        <source>Anpassen</source>
        <translation>Fit</translation>
    </message>
    <message>
        <source>Vergrößern</source>
        <translation>Zoom In</translation>
    </message>
    <message>
        <source>Verkleinern</source>
        <translation>Zoom Out</translation>
    </message>
    <message>
        <source>Von oben</source>
        <translation>From Above</translation>
    </message>
    <message>
        <source>Barogramm, Blick nach Westen</source>
        <translation>Barogram, looking west</translation>
    </message>
    <message>
        <source>Barogramm, Blick nach Norden</source>
        <translation>Barogram, looking north</translation>
    </message>
    <message>
        <source>Temperaturverlauf</source>
        <translation>Temperature Profile</translation>
    </message>
    <message>
        <source>Flug Informationen</source>
        <translation>Flight Information</translation>
    </message>
    <message>
        <source>Keine Färbung</source>
        <translation>No Colouring</translation>
    </message>
    <message>
        <source>Färbung: Temperaturgradient</source>
        <translation>Colouring: Temperature Gradient</translation>
    </message>
    <message>
        <source>Färbung: Wind</source>
        <translation>Colouring: Wind</translation>
    </message>
    <message>
        <source>Färbung: Flughöhe</source>
        <translation>Colouring: Altitude</translation>
    </message>
    <message>
        <source>Färbung: Vario - Werte</source>
        <translation>Colouring: Vario Values</translation>
    </message>
    <message>
        <source>Zeigt die Flughöhe über der Uhrzeit an.</source>
        <translation>Shows the altitude over the time of day.</translation>
    </message>
    <message>
        <source>Markiert jede Thermik mit ihrem mittleren Steigen.</source>
        <translation>Marks every thermal with its mean climb.</translation>
    </message>
    <message>
        <source>Zeigt Thermiken, Gleitstrecken und die Statistik des Fluges an.</source>
        <translation>Shows the thermals, glides and statistics of the flight.</translation>
    </message>
    <message>
        <source>Barogramm über der Zeit</source>
        <translation>Barogram over time</translation>
    </message>
    <message>
        <source>Flugphasen</source>
        <translation>Flight phases</translation>
    </message>
    <message>
        <source>Legt eine Landkarte unter den Grundriß; erst dann werden Kacheln geladen.</source>
        <translation>Lays a map under the plan view; only then are tiles loaded.</translation>
    </message>
    <message>
        <source>Zeigt die beste Wertung des Fluges nach den Regeln einer Liga an.</source>
        <translation>Shows the flight's best score under a league's rules.</translation>
    </message>
    <message>
        <source>Zeichnet die gewertete Strecke in die Grafik.</source>
        <translation>Draws the scored path into the graph.</translation>
    </message>
    <message>
        <source>Wertung</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Schattiert das Gelände unter dem Grundriß (mit einem Geländeordner in den Einstellungen).</source>
        <translation>Shades the terrain under the plan view (with a terrain folder in the settings).</translation>
    </message>
</context>
<context>
    <name>CDruckDlg</name>
    <message>
        <source>%1 (%2 Seiten)</source>
        <translation>%1 (%2 pages)</translation>
    </message>
    <message>
        <source>Vorschlag: %1</source>
        <translation>Proposal: %1</translation>
    </message>
    <message>
        <source>Sarnix (Drucken)</source>
        <translation>Sarnix (Print)</translation>
    </message>
    <message>
        <source>Maßstab</source>
        <translation>Scale</translation>
    </message>
    <message>
        <source>Zeitmarken</source>
        <translation>Time marks</translation>
    </message>
</context>
<context>
    <name>CFlugInfoDlg</name>
    <message>
        <source>Flug Informationen</source>
        <translation>Flight Information</translation>
    </message>
    <message>
        <source>Dateiname</source>
        <translation>File name</translation>
    </message>
    <message>
        <source>Flug Datum:</source>
        <translation>Flight date:</translation>
    </message>
    <message>
        <source>Start Platz:</source>
        <translation>Take-off site:</translation>
    </message>
    <message>
        <source>Startplatz Höhe:</source>
        <translation>Take-off altitude:</translation>
    </message>
    <message>
        <source>Max. Höhe:</source>
        <translation>Max. altitude:</translation>
    </message>
    <message>
        <source>Landeplatz Höhe:</source>
        <translation>Landing altitude:</translation>
    </message>
    <message>
        <source>Flugstrecke:</source>
        <translation>Distance:</translation>
    </message>
    <message>
        <source>Startzeit:</source>
        <translation>Take-off time:</translation>
    </message>
    <message>
        <source>Landezeit:</source>
        <translation>Landing time:</translation>
    </message>
    <message>
        <source>Flüge:</source>
        <translation>Flights:</translation>
    </message>
    <message>
        <source>keiner</source>
        <translation>none</translation>
    </message>
    <message>
        <source>Flugdauer:</source>
        <translation>Duration:</translation>
    </message>
    <message>
        <source>Max. Steigen:</source>
        <translation>Max. climb:</translation>
    </message>
    <message>
        <source>Max. Sinken:</source>
        <translation>Max. sink:</translation>
    </message>
    <message>
        <source>IGC-Kopf</source>
        <translation>IGC header</translation>
    </message>
    <message>
        <source>Pilot:</source>
        <translation>Pilot:</translation>
    </message>
    <message>
        <source>Flugzeug:</source>
        <translation>Aircraft:</translation>
    </message>
    <message>
        <source>Logger:</source>
        <translation>Recorder:</translation>
    </message>
    <message>
        <source>Signatur:</source>
        <translation>Signature:</translation>
    </message>
    <message>
        <source>unbekannt</source>
        <translation>unknown</translation>
    </message>
    <message>
        <source>keine</source>
        <translation>none</translation>
    </message>
    <message>
        <source>signiert, nicht geprüft</source>
        <translation>signed, not verified</translation>
    </message>
    <message>
        <source>Gelände</source>
        <translation>Terrain</translation>
    </message>
</context>
<context>
    <name>CFlugphasenDlg</name>
    <message>
        <source>Start:</source>
        <translation>Take-off:</translation>
    </message>
    <message>
        <source>Flüge:</source>
        <translation>Flights:</translation>
    </message>
    <message>
        <source>Flug:</source>
        <translation>Flight:</translation>
    </message>
    <message>
        <source>Alle Flüge</source>
        <translation>All flights</translation>
    </message>
    <message>
        <source>%1. Flug, %2 bis %3</source>
        <translation>Flight %1, %2 to %3</translation>
    </message>
    <message>
        <source>Landung:</source>
        <translation>Landing:</translation>
    </message>
    <message>
        <source>Flugzeit:</source>
        <translation>Flight time:</translation>
    </message>
    <message>
        <source>Anteil Kreisen:</source>
        <translation>Share circling:</translation>
    </message>
    <message>
        <source>Mittleres Steigen:</source>
        <translation>Mean climb:</translation>
    </message>
    <message>
        <source>Mittlere Gleitzahl:</source>
        <translation>Mean glide ratio:</translation>
    </message>
    <message>
        <source>Schnittgeschwindigkeit:</source>
        <translation>Average speed:</translation>
    </message>
    <message>
        <source>Thermiken:</source>
        <translation>Thermals:</translation>
    </message>
    <message>
        <source>Beste Thermik:</source>
        <translation>Best thermal:</translation>
    </message>
    <message>
        <source>Flugphasen</source>
        <translation>Flight phases</translation>
    </message>
    <message>
        <source>Nichts zu analysieren: Die Aufzeichnung enthält keinen Flug (keine oder zu wenige Positionen, oder nur Zeit am Boden).</source>
        <translation>Nothing to analyse: the recording holds no flight (no or too few positions, or only time on the ground).</translation>
    </message>
    <message>
        <source>Statistik</source>
        <translation>Statistics</translation>
    </message>
    <message>
        <source>%1 m/s um %2</source>
        <translation>%1 m/s at %2</translation>
    </message>
    <message>
        <source>Nr.</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Art</source>
        <translation>Kind</translation>
    </message>
    <message>
        <source>Beginn</source>
        <translation>Begin</translation>
    </message>
    <message>
        <source>Ende</source>
        <translation>End</translation>
    </message>
    <message>
        <source>Dauer</source>
        <translation>Duration</translation>
    </message>
    <message>
        <source>Höhe Beginn</source>
        <translation>Altitude begin</translation>
    </message>
    <message>
        <source>Höhe Ende</source>
        <translation>Altitude end</translation>
    </message>
    <message>
        <source>Steigen</source>
        <translation>Climb</translation>
    </message>
    <message>
        <source>Strecke</source>
        <translation>Distance</translation>
    </message>
    <message>
        <source>Gleitzahl</source>
        <translation>Glide ratio</translation>
    </message>
    <message>
        <source>Geschwindigkeit</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>Wind</source>
        <translation>Wind</translation>
    </message>
    <message>
        <source>Thermik</source>
        <translation>Thermal</translation>
    </message>
    <message>
        <source>Gleiten</source>
        <translation>Glide</translation>
    </message>
</context>
<context>
    <name>CInfoDlg</name>
    <message>
        <source>Info über Sarnix</source>
        <translation>About Sarnix</translation>
    </message>
    <message>
        <source>Version %1
Qt %2

© 2026 Orvexa
Sarnix darf unverändert und kostenlos genutzt und weitergegeben werden. Alle anderen Rechte liegen beim Urheber.</source>
        <translation>Version %1
Qt %2

© 2026 Orvexa
Sarnix may be used and passed on unchanged, free of charge. All other rights are reserved by the copyright holder.</translation>
    </message>
</context>
<context>
    <name>CKonfigDlg</name>
    <message>
        <source>Grundriß</source>
        <translation>Plan view</translation>
    </message>
    <message>
        <source>Barogramm mit Blickrichtung Norden</source>
        <translation>Barogram looking north</translation>
    </message>
    <message>
        <source>Barogramm mit Blickrichtung Westen</source>
        <translation>Barogram looking west</translation>
    </message>
    <message>
        <source>Temperaturverlauf</source>
        <translation>Temperature profile</translation>
    </message>
    <message>
        <source>Keine Färbung</source>
        <translation>No colouring</translation>
    </message>
    <message>
        <source>Temperaturgradient</source>
        <translation>Temperature gradient</translation>
    </message>
    <message>
        <source>Wind Geschwindigkeit</source>
        <translation>Wind speed</translation>
    </message>
    <message>
        <source>Flughöhe</source>
        <translation>Altitude</translation>
    </message>
    <message>
        <source>Vario Werte</source>
        <translation>Vario values</translation>
    </message>
    <message>
        <source>Ansicht Konfiguration</source>
        <translation>View Configuration</translation>
    </message>
    <message>
        <source>Einzel Grafik</source>
        <translation>Single graph</translation>
    </message>
    <message>
        <source>Geteilte Grafik</source>
        <translation>Split graph</translation>
    </message>
    <message>
        <source>Linke Grafik</source>
        <translation>Left graph</translation>
    </message>
    <message>
        <source>Recht Grafik</source>
        <translation>Right graph</translation>
    </message>
    <message>
        <source>Ansicht</source>
        <translation>View</translation>
    </message>
    <message>
        <source>Farbe</source>
        <translation>Colour</translation>
    </message>
    <message>
        <source>Barogramm über der Zeit</source>
        <translation>Barogram over time</translation>
    </message>
    <message>
        <source>Temperaturreferenz</source>
        <translation>Temperature reference</translation>
    </message>
    <message>
        <source>Wie das Gerät rechnet (exakt)</source>
        <translation>As the instrument computes it (exact)</translation>
    </message>
    <message>
        <source>Physikalisch (Ausgleichsgerade der sinkenden Luft)</source>
        <translation>Physical (least-squares line of the sinking air)</translation>
    </message>
    <message>
        <source>Karte...</source>
        <translation>Map...</translation>
    </message>
    <message>
        <source>Gelände</source>
        <translation>Terrain</translation>
    </message>
    <message>
        <source>Ordner mit Höhenkacheln (.hgt, GeoTIFF)</source>
        <translation>Folder of elevation tiles (.hgt, GeoTIFF)</translation>
    </message>
    <message>
        <source>Wählen...</source>
        <translation>Choose...</translation>
    </message>
    <message>
        <source>Geländeordner</source>
        <translation>Terrain folder</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Bereit</source>
        <translation>Ready</translation>
    </message>
    <message>
        <source>Öffnen</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Dateityp Sarnix (*.vrl);;Alle Dateien (*.*)</source>
        <translation>Sarnix files (*.vrl);;All files (*.*)</translation>
    </message>
    <message>
        <source>Unbenannt</source>
        <translation>Untitled</translation>
    </message>
    <message>
        <source>Flugaufzeichnungen (*.vrl *.igc *.IGC)</source>
        <translation>Flight recordings (*.vrl *.igc *.IGC)</translation>
    </message>
    <message>
        <source>IGC-Dateien (*.igc *.IGC)</source>
        <translation>IGC files (*.igc *.IGC)</translation>
    </message>
</context>
<context>
    <name>CWertungDlg</name>
    <message>
        <source>Punkte</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>Art</source>
        <translation>Kind</translation>
    </message>
    <message>
        <source>Strecke</source>
        <translation>Distance</translation>
    </message>
    <message>
        <source>Faktor</source>
        <translation>Multiplier</translation>
    </message>
    <message>
        <source>Schließung</source>
        <translation>Closing</translation>
    </message>
    <message>
        <source>Freie Strecke</source>
        <translation>Free distance</translation>
    </message>
    <message>
        <source>Flaches Dreieck</source>
        <translation>Flat triangle</translation>
    </message>
    <message>
        <source>FAI-Dreieck</source>
        <translation>FAI triangle</translation>
    </message>
    <message>
        <source>Geschlossenes flaches Dreieck</source>
        <translation>Closed flat triangle</translation>
    </message>
    <message>
        <source>Geschlossenes FAI-Dreieck</source>
        <translation>Closed FAI triangle</translation>
    </message>
    <message>
        <source>keine Wertung: %1</source>
        <translation>no score: %1</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Wendepunkt %1</source>
        <translation>Turnpoint %1</translation>
    </message>
    <message>
        <source>Ziel</source>
        <translation>Finish</translation>
    </message>
    <message>
        <source>Schenkel %1  %2</source>
        <translation>Leg %1  %2</translation>
    </message>
    <message>
        <source>Wertung</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Regeln</source>
        <translation>Rules</translation>
    </message>
    <message>
        <source>Gewertete Strecke in der Grafik zeigen</source>
        <translation>Show the scored path in the graph</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Die beste Wertung wird gesucht...</source>
        <translation>Searching for the best score...</translation>
    </message>
    <message>
        <source>nicht bewiesen optimal: das Zeitlimit beendete die Suche</source>
        <translation>not proven optimal: the time limit ended the search</translation>
    </message>
    <message>
        <source>Abgebrochen.</source>
        <translation>Cancelled.</translation>
    </message>
</context>
<context>
    <name>CSarnixApp</name>
    <message>
        <source>sarnix: /p DATEI oder /pt DATEI DRUCKER [TREIBER ANSCHLUSS]</source>
        <translation>sarnix: /p FILE or /pt FILE PRINTER [DRIVER PORT]</translation>
    </message>
</context>
<context>
    <name>Cli</name>
    <message>
        <source>--farbe kennt keine, vario, hoehe, wind und temperatur.</source>
        <translation>--farbe knows keine, vario, hoehe, wind and temperatur.</translation>
    </message>
    <message>
        <source>--zeitzone braucht eine Zeitzone wie Europe/Berlin oder UTC.</source>
        <translation>--zeitzone needs a time zone such as Europe/Berlin or UTC.</translation>
    </message>
    <message>
        <source>-o braucht eine Zieldatei auf .gpx oder .kml.</source>
        <translation>-o needs an output file ending in .gpx or .kml.</translation>
    </message>
    <message>
        <source>Keine Flugaufzeichnung: nichts zu exportieren.</source>
        <translation>Not a flight recording: nothing to export.</translation>
    </message>
    <message>
        <source>Hinweis: %1</source>
        <translation>Note: %1</translation>
    </message>
    <message>
        <source>Hinweis: Die Zeiten einer IGC-Datei sind UTC; --zeitzone gilt nur für .vrl-Aufzeichnungen.</source>
        <translation>Note: the times of an IGC file are UTC; --zeitzone applies to .vrl recordings only.</translation>
    </message>
    <message>
        <source>DATEI... -o AUSGABE.gpx|AUSGABE.kml|ORDNER/ [OPTIONEN]</source>
        <translation>FILE... -o OUTPUT.gpx|OUTPUT.kml|FOLDER/ [OPTIONS]</translation>
    </message>
    <message>
        <source>Schreibt den Flug als GPX oder als gefärbte KML-Spur und meldet je Aufzeichnung eine Zeile JSON.</source>
        <translation>Writes the flight as GPX or as a coloured KML track and reports one line of JSON for each recording.</translation>
    </message>
    <message>
        <source>Zieldatei auf .gpx oder .kml; eine vorhandene wird nur durch eine vollständige ersetzt. Für mehrere Aufzeichnungen ein Ordner, darin je Aufzeichnung NAME.gpx oder NAME.kml.</source>
        <translation>Output file ending in .gpx or .kml; an existing one is only replaced by a complete one. For several recordings a folder, holding NAME.gpx or NAME.kml for each.</translation>
    </message>
    <message>
        <source>Das Format der Dateien in einem Ordner (Standard gpx).</source>
        <translation>The format of the files in a folder (default gpx).</translation>
    </message>
    <message>
        <source>--format kennt gpx und kml.</source>
        <translation>--format knows gpx and kml.</translation>
    </message>
    <message>
        <source>FARBE</source>
        <translation>COLOUR</translation>
    </message>
    <message>
        <source>Färbung der KML-Spur (Standard vario).</source>
        <translation>Colouring of the KML track (default vario).</translation>
    </message>
    <message>
        <source>ZONE</source>
        <translation>ZONE</translation>
    </message>
    <message>
        <source>Zeitzone, in der die Uhr einer .vrl-Aufzeichnung lief, etwa Europe/Berlin (Standard: die des Rechners). Die Zeiten einer IGC-Datei sind UTC: für sie gilt die Option nicht.</source>
        <translation>Time zone the clock of a .vrl recording ran in, such as Europe/Berlin (default: the computer&apos;s). The times of an IGC file are UTC: the option does not apply to it.</translation>
    </message>
    <message>
        <source>FARBE: keine, vario, hoehe, wind, temperatur; wind braucht eine aufgezeichnete Fluggeschwindigkeit, temperatur eine aufgezeichnete Temperatur, sonst bleibt die Spur ungefärbt.
DATEI - liest die Aufzeichnung von der Standardeingabe.</source>
        <translation>COLOUR: keine, vario, hoehe, wind, temperatur; wind needs a recorded airspeed, temperatur a recorded temperature, else the track stays uncoloured.
FILE - reads the recording from standard input.</translation>
    </message>
    <message>
        <source>--dpi braucht eine Zahl von %1 bis %2.</source>
        <translation>--dpi needs a number from %1 to %2.</translation>
    </message>
    <message>
        <source>--page kennt A4, A3 und Letter.</source>
        <translation>--page knows A4, A3 and Letter.</translation>
    </message>
    <message>
        <source>--massstab kennt 25000, 50000, 100000, 200000, 250000, 500000 und 1000000.</source>
        <translation>--massstab knows 25000, 50000, 100000, 200000, 250000, 500000 and 1000000.</translation>
    </message>
    <message>
        <source>Unbekannte Option: %1</source>
        <translation>Unknown option: %1</translation>
    </message>
    <message>
        <source>Nur eine Aufzeichnung: %1</source>
        <translation>Only one recording: %1</translation>
    </message>
    <message>
        <source>Keine Aufzeichnung angegeben.</source>
        <translation>No recording given.</translation>
    </message>
    <message>
        <source>-o braucht eine Zieldatei auf .pdf oder .png.</source>
        <translation>-o needs an output file ending in .pdf or .png.</translation>
    </message>
    <message>
        <source>Hinweis: Die Seite ist bei %1 dpi zu groß für ein Bild; gezeichnet mit %2 dpi.</source>
        <translation>Note: at %1 dpi the page is too large for an image; drawn at %2 dpi.</translation>
    </message>
    <message>
        <source>Keine Flugaufzeichnung: nichts zu drucken.</source>
        <translation>No flight recording: nothing to print.</translation>
    </message>
    <message>
        <source>Kann %1 nicht schreiben.</source>
        <translation>Cannot write %1.</translation>
    </message>
    <message>
        <source>Ungültige Größe: %1 (erwartet BREITExHÖHE, z. B. 1280x800)</source>
        <translation>Invalid size: %1 (expected WIDTHxHEIGHT, e.g. 1280x800)</translation>
    </message>
    <message>
        <source>Ungültige Grafikanzahl: %1 (erwartet 1 oder 2)</source>
        <translation>Invalid number of panes: %1 (expected 1 or 2)</translation>
    </message>
    <message>
        <source>Ungültige Ansicht: %1 (erwartet grundriss, west, nord, temperatur oder zeit, optional :keine, :vario, :hoehe, :wind oder :temperatur)</source>
        <translation>Invalid view: %1 (expected grundriss, west, nord, temperatur or zeit, optionally :keine, :vario, :hoehe, :wind or :temperatur)</translation>
    </message>
    <message>
        <source>Ungültige Anzahl für --verkleinern: %1 (erwartet 0 bis %2)</source>
        <translation>Invalid count for --verkleinern: %1 (expected 0 to %2)</translation>
    </message>
    <message>
        <source>Ungültiges Zoomfenster: %1 (erwartet LAENGEMIN,BREITEMIN,LAENGEMAX,BREITEMAX mit Min &lt; Max, in Grad wie 11.25 oder in internen Einheiten)</source>
        <translation>Invalid zoom window: %1 (expected LONMIN,LATMIN,LONMAX,LATMAX with min &lt; max, in degrees such as 11.25 or in internal units)</translation>
    </message>
    <message>
        <source>Die Datei %1 konnte nicht geschrieben werden.</source>
        <translation>The file %1 could not be written.</translation>
    </message>
    <message>
        <source>Ungültige Skalierung: %1 (erwartet %2 bis %3, z. B. 2 oder 1.5)</source>
        <translation>Invalid scale: %1 (expected %2 to %3, e.g. 2 or 1.5)</translation>
    </message>
    <message>
        <source>Das Bild wäre größer als %1 Pixel je Seite: Größe oder Skalierung verkleinern.</source>
        <translation>The picture would be larger than %1 pixels a side: reduce the size or the scale.</translation>
    </message>
    <message>
        <source>Zeigt diese Hilfe.</source>
        <translation>Shows this help.</translation>
    </message>
    <message>
        <source>Höhe der Fixe einer IGC-Datei: GNSS- oder Druckhöhe (Standard: Druckhöhe, wenn die Datei eine aufzeichnet).</source>
        <translation>Altitude of an IGC file&apos;s fixes: GNSS or pressure altitude (default: pressure altitude when the file records one).</translation>
    </message>
    <message>
        <source>Zeichnet N Dateien zugleich (Standard: so viele, wie der Rechner Kerne hat).</source>
        <translation>Draws N files at once (default: as many as the machine has cores).</translation>
    </message>
    <message>
        <source>DATEI... [OPTIONEN]</source>
        <translation>FILE... [OPTIONS]</translation>
    </message>
    <message>
        <source>Gibt die Flüge als JSON aus: ein Objekt, bei mehreren Dateien ein Feld davon.</source>
        <translation>Writes the flights as JSON: one object, an array of them for several files.</translation>
    </message>
    <message>
        <source>Gibt auch jeden Fix aus.</source>
        <translation>Also writes every fix.</translation>
    </message>
    <message>
        <source>Gibt auch das Temperaturprofil aus.</source>
        <translation>Also writes the temperature profile.</translation>
    </message>
    <message>
        <source>Gibt auch Flugphasen und Flugstatistik aus.</source>
        <translation>Also writes flight phases and flight statistics.</translation>
    </message>
    <message>
        <source>Gibt auch die Wertung nach XContest-Regeln aus, wie score.</source>
        <translation>Also writes the score under XContest rules, as score does.</translation>
    </message>
    <message>
        <source>Wertet den längsten Flug jeder Aufzeichnung nach den Regeln einer Liga und gibt JSON aus.</source>
        <translation>Scores the longest flight of each recording under a league&apos;s rules and writes JSON.</translation>
    </message>
    <message>
        <source>Die Regeln der Wertung (Standard xcontest).</source>
        <translation>The scoring rules (default xcontest).</translation>
    </message>
    <message>
        <source>Sucht höchstens S Sekunden je Flug und meldet dann das Beste bis dahin mit &quot;optimal&quot;: false (Standard 60, 0 ohne Grenze).</source>
        <translation>Searches at most S seconds per flight, then reports the best found so far with &quot;optimal&quot;: false (default 60, 0 for no limit).</translation>
    </message>
    <message>
        <source>Ohne Wertung (kein Start, weniger als 5 Fixe, alle an einem Ort, Zeit rückwärts) steht der Grund unter &quot;keineWertung&quot;, Rückgabewert 1.
DATEI - liest die Aufzeichnung von der Standardeingabe.</source>
        <translation>Without a score (no take-off, fewer than 5 fixes, all at one place, time running backwards) the reason stands under &quot;keineWertung&quot;, exit code 1.
FILE - reads the recording from standard input.</translation>
    </message>
    <message>
        <source>--regeln kennt xcontest, ffvl und olc.</source>
        <translation>--regeln knows xcontest, ffvl and olc.</translation>
    </message>
    <message>
        <source>--zeitlimit braucht Sekunden ab 0.</source>
        <translation>--zeitlimit needs seconds, 0 or more.</translation>
    </message>
    <message>
        <source>%1: keine Wertung: %2</source>
        <translation>%1: no score: %2</translation>
    </message>
    <message>
        <source>Ein Objekt je Zeile statt eines Feldes.</source>
        <translation>One object per line instead of an array.</translation>
    </message>
    <message>
        <source>DATEI - liest die Aufzeichnung von der Standardeingabe.</source>
        <translation>FILE - reads the recording from standard input.</translation>
    </message>
    <message>
        <source>DATEI... -o AUSGABE.png|ORDNER/ [OPTIONEN]</source>
        <translation>FILE... -o OUTPUT.png|FOLDER/ [OPTIONS]</translation>
    </message>
    <message>
        <source>Zeichnet das Bild, das das Fenster zeigen würde, als PNG.</source>
        <translation>Draws the picture the window would show, as PNG.</translation>
    </message>
    <message>
        <source>AUSGABE</source>
        <translation>OUTPUT</translation>
    </message>
    <message>
        <source>Zieldatei; bei mehreren Dateien ein Ordner (mit / am Ende), darin DATEI.png je Aufzeichnung.</source>
        <translation>Output file; for several files a folder (ending in /) with FILE.png for each recording.</translation>
    </message>
    <message>
        <source>BREITExHÖHE</source>
        <translation>WIDTHxHEIGHT</translation>
    </message>
    <message>
        <source>Größe des Bildes in Pixeln (Standard 1280x800).</source>
        <translation>Size of the picture in pixels (default 1280x800).</translation>
    </message>
    <message>
        <source>Eine Grafik oder zwei nebeneinander.</source>
        <translation>One graph or two side by side.</translation>
    </message>
    <message>
        <source>ART[:FARBE]</source>
        <translation>KIND[:COLOUR]</translation>
    </message>
    <message>
        <source>Art und Färbung der linken Grafik.</source>
        <translation>Kind and colouring of the left graph.</translation>
    </message>
    <message>
        <source>Art und Färbung der rechten Grafik.</source>
        <translation>Kind and colouring of the right graph.</translation>
    </message>
    <message>
        <source>Zeichnet die Zeitmarken.</source>
        <translation>Draws the time marks.</translation>
    </message>
    <message>
        <source>Zeichnet die Wegpunkte.</source>
        <translation>Draws the route points.</translation>
    </message>
    <message>
        <source>Verkleinert N-mal nach dem Zoomfenster.</source>
        <translation>Zooms out N times after the zoom window.</translation>
    </message>
    <message>
        <source>Zoomfenster des Grundrisses: Länge und Breite in Grad (11.25) oder in internen Einheiten.</source>
        <translation>Zoom window of the plan view: longitude and latitude in degrees (11.25) or in internal units.</translation>
    </message>
    <message>
        <source>Zeichnet mit F Bildpunkten je Pixel, wie ein Bildschirm mit Skalierung (1 bis 8).</source>
        <translation>Draws with F device pixels per pixel, like a screen with scaling (1 to 8).</translation>
    </message>
    <message>
        <source>DATEI... -o AUSGABE.pdf|AUSGABE.png|ORDNER/ [OPTIONEN]</source>
        <translation>FILE... -o OUTPUT.pdf|OUTPUT.png|FOLDER/ [OPTIONS]</translation>
    </message>
    <message>
        <source>Zeichnet die gedruckte Karte als PDF oder PNG und meldet je Karte eine Zeile JSON.</source>
        <translation>Draws the printed map as PDF or PNG and reports one line of JSON per map.</translation>
    </message>
    <message>
        <source>Zieldatei auf .pdf oder .png; bei mehreren Dateien ein Ordner (mit / am Ende).</source>
        <translation>Output file ending in .pdf or .png; for several files a folder (ending in /).</translation>
    </message>
    <message>
        <source>Format der Dateien im Ordner (Standard pdf).</source>
        <translation>Format of the files in the folder (default pdf).</translation>
    </message>
    <message>
        <source>Auflösung (Standard 600).</source>
        <translation>Resolution (default 600).</translation>
    </message>
    <message>
        <source>Papierformat (Standard A4).</source>
        <translation>Paper size (default A4).</translation>
    </message>
    <message>
        <source>Querformat.</source>
        <translation>Landscape.</translation>
    </message>
    <message>
        <source>Maßstab 1:N statt des Vorschlags.</source>
        <translation>Scale 1:N instead of the proposed one.</translation>
    </message>
    <message>
        <source>Druckt ohne Zeitmarken.</source>
        <translation>Prints without time marks.</translation>
    </message>
    <message>
        <source>Aufruf: sarnix-cli %1 %2
</source>
        <translation>Usage: sarnix-cli %1 %2
</translation>
    </message>
    <message>
        <source>Optionen:
</source>
        <translation>Options:
</translation>
    </message>
    <message>
        <source>Aufruf: sarnix-cli BEFEHL [OPTIONEN] DATEI...
Zeigt Flugaufzeichnungen ohne Bildschirm: als JSON, als Bild des Fensters, als gedruckte Karte.

Befehle:
</source>
        <translation>Usage: sarnix-cli COMMAND [OPTIONS] FILE...
Shows flight recordings without a screen: as JSON, as the window&apos;s picture, as the printed map.

Commands:
</translation>
    </message>
    <message>
        <source>Zeigt die Hilfe zu BEFEHL.</source>
        <translation>Shows the help on COMMAND.</translation>
    </message>
    <message>
        <source>Zeigt die Version.</source>
        <translation>Shows the version.</translation>
    </message>
    <message>
        <source>Sprache der Meldungen.</source>
        <translation>Language of the messages.</translation>
    </message>
    <message>
        <source>sarnix-cli BEFEHL --help zeigt die Optionen eines Befehls. Rückgabewerte: 0 Erfolg, 1 Datei nicht lesbar oder nicht schreibbar, 2 falscher Aufruf.
</source>
        <translation>sarnix-cli COMMAND --help shows the options of a command. Exit codes: 0 success, 1 file not readable or not writable, 2 wrong usage.
</translation>
    </message>
    <message>
        <source>%1 braucht einen Wert.</source>
        <translation>%1 needs a value.</translation>
    </message>
    <message>
        <source>-j braucht eine Zahl ab 1.</source>
        <translation>-j needs a number from 1.</translation>
    </message>
    <message>
        <source>--format kennt pdf und png.</source>
        <translation>--format knows pdf and png.</translation>
    </message>
    <message>
        <source>Der Ordner %1 konnte nicht angelegt werden.</source>
        <translation>The folder %1 could not be created.</translation>
    </message>
    <message>
        <source>-o fehlt: wohin soll geschrieben werden?</source>
        <translation>-o is missing: where should the output go?</translation>
    </message>
    <message>
        <source>Mehrere Aufzeichnungen brauchen -o ORDNER/.</source>
        <translation>Several recordings need -o FOLDER/.</translation>
    </message>
    <message>
        <source>Die Standardeingabe hat keinen Namen: sie braucht -o DATEI.</source>
        <translation>Standard input has no name: it needs -o FILE.</translation>
    </message>
    <message>
        <source>Zwei Aufzeichnungen ergäben dieselbe Ausgabe %1.</source>
        <translation>Two recordings would give the same output %1.</translation>
    </message>
    <message>
        <source>Die Zeichenbibliothek von sarnix-cli fehlt: %1</source>
        <translation>The drawing library of sarnix-cli is missing: %1</translation>
    </message>
    <message>
        <source>sarnix-cli: Unbekannter Befehl: %1

</source>
        <translation>sarnix-cli: Unknown command: %1

</translation>
    </message>
    <message>
        <source>--hoehe braucht gnss oder druck.</source>
        <translation>--hoehe needs gnss or druck.</translation>
    </message>
    <message>
        <source>--hoehe braucht gnss oder druck, nicht &quot;%1&quot;.</source>
        <translation>--hoehe needs gnss or druck, not &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Referenz, mit der der Temperaturgradient vergleicht (Standard exakt).</source>
        <translation>Reference the temperature gradient compares against (default exakt).</translation>
    </message>
    <message>
        <source>Markiert die Thermiken mit ihrem mittleren Steigen.</source>
        <translation>Marks the thermals with their mean climb.</translation>
    </message>
    <message>
        <source>ART: grundriss, west, nord, temperatur, zeit
FARBE: keine, vario, hoehe, wind, temperatur
DATEI - liest die Aufzeichnung von der Standardeingabe.</source>
        <translation>KIND: grundriss, west, nord, temperatur, zeit
COLOUR: keine, vario, hoehe, wind, temperatur
FILE - reads the recording from standard input.</translation>
    </message>
    <message>
        <source>--temperaturreferenz kennt exakt und physikalisch.</source>
        <translation>--temperaturreferenz takes exakt or physikalisch.</translation>
    </message>
    <message>
        <source>NAME|URL|DATEI.mbtiles</source>
        <translation>NAME|URL|FILE.mbtiles</translation>
    </message>
    <message>
        <source>Legt eine Karte unter den Grundriß: eine Quelle der Einstellungen, eine Adresse mit {z}/{x}/{y} oder eine MBTiles-Datei.</source>
        <translation>Lays a map under the plan view: a source of the settings, an address with {z}/{x}/{y} or an MBTiles file.</translation>
    </message>
    <message>
        <source>Wartet höchstens S Sekunden auf die Kacheln (Standard 10).</source>
        <translation>Waits at most S seconds for the tiles (default 10).</translation>
    </message>
    <message>
        <source>Gibt auch den Grund aus den Höhenkacheln in ORDNER aus: bei Start und Landung, den tiefsten Abstand darüber und mit --fixes den Grund je Fix.</source>
        <translation>Also writes the ground from the elevation tiles in FOLDER: at take-off and landing, the lowest height above it and, with --fixes, the ground of each fix.</translation>
    </message>
    <message>
        <source>Legt eine Karte unter die Spur, aus dem Zwischenspeicher oder der MBTiles-Datei: beim Drucken wird nichts geladen.</source>
        <translation>Lays a map under the track, from the cache or the MBTiles file: printing fetches nothing.</translation>
    </message>
    <message>
        <source>Legt das Relief aus den Höhenkacheln in ORDNER unter die Spur.</source>
        <translation>Lays the relief of the elevation tiles in FOLDER under the track.</translation>
    </message>
    <message>
        <source>%1: %2 von %3 Kacheln der Karte fehlen im Zwischenspeicher; beim Drucken wird nichts geladen.</source>
        <translation>%1: %2 of %3 map tiles are missing from the cache; printing fetches nothing.</translation>
    </message>
    <message>
        <source>Ungültige Wartezeit: %1 (erwartet 0 bis 3600 Sekunden)</source>
        <translation>Invalid waiting time: %1 (expected 0 to 3600 seconds)</translation>
    </message>
    <message>
        <source>ORDNER</source>
        <translation>FOLDER</translation>
    </message>
    <message>
        <source>Zeichnet das Gelände aus den Höhenkacheln in ORDNER unter den Flug.</source>
        <translation>Draws the ground from the elevation tiles in FOLDER under the flight.</translation>
    </message>
    <message>
        <source>Benutzerbefehle</source>
        <translation>User Commands</translation>
    </message>
    <message>
        <source>Flugaufzeichnungen (.vrl und IGC) ohne Bildschirm auswerten</source>
        <translation>study flight recordings (.vrl and IGC) without a screen</translation>
    </message>
    <message>
        <source>ÜBERSICHT</source>
        <translation>SYNOPSIS</translation>
    </message>
    <message>
        <source>BEFEHL</source>
        <translation>COMMAND</translation>
    </message>
    <message>
        <source>BESCHREIBUNG</source>
        <translation>DESCRIPTION</translation>
    </message>
    <message>
        <source>Gelesen werden die Aufzeichnungen (.vrl) des Fluginstruments und IGC-Dateien von Flugrekordern, Telefon-Apps und Wettbewerbsloggern.</source>
        <translation>It reads the recordings (.vrl) of the flight instrument and the IGC logs of flight recorders, phone apps and competition loggers.</translation>
    </message>
    <message>
        <source>ALLGEMEINE OPTIONEN</source>
        <translation>GENERAL OPTIONS</translation>
    </message>
    <message>
        <source>RÜCKGABEWERT</source>
        <translation>EXIT STATUS</translation>
    </message>
    <message>
        <source>0 Erfolg, 1 Datei nicht lesbar oder nicht schreibbar, 2 falscher Aufruf.</source>
        <translation>0 success, 1 a file could not be read or written, 2 wrong usage.</translation>
    </message>
    <message>
        <source>SIEHE AUCH</source>
        <translation>SEE ALSO</translation>
    </message>
    <message>
        <source>Die %1. Aufzeichnung konnte nicht verarbeitet werden: %2</source>
        <translation>Recording %1 could not be processed: %2</translation>
    </message>
    <message>
        <source>Zeichnet die gewertete Strecke des längsten Fluges.</source>
        <translation>Draws the scored path of the longest flight.</translation>
    </message>
    <message>
        <source>Schreibt auch die gewertete Strecke: in GPX eine Route, in KML Punkte und eine Linie.</source>
        <translation>Also writes the scored path: a route in GPX, points and a line in KML.</translation>
    </message>
    <message>
        <source>Hinweis: keine Wertung: %1</source>
        <translation>Note: no score: %1</translation>
    </message>
</context>
<context>
    <name>DruckBefehle</name>
    <message>
        <source>Der Drucker &quot;%1&quot; ist nicht vorhanden: nichts gedruckt.</source>
        <translation>The printer &quot;%1&quot; does not exist: nothing printed.</translation>
    </message>
    <message>
        <source>Kein Drucker eingerichtet: nichts gedruckt.</source>
        <translation>No printer set up: nothing printed.</translation>
    </message>
    <message>
        <source>Keine Flugaufzeichnung: nichts zu drucken.</source>
        <translation>No flight recording: nothing to print.</translation>
    </message>
    <message>
        <source>Der Drucker &quot;%1&quot; nimmt keine Seite an: nichts gedruckt.</source>
        <translation>The printer &quot;%1&quot; accepts no page: nothing printed.</translation>
    </message>
</context>
<context>
    <name>Export</name>
    <message>
        <source>Die Aufzeichnung enthält keine Temperatur; die Spur bleibt ungefärbt.</source>
        <translation>The recording holds no temperature; the track stays uncoloured.</translation>
    </message>
    <message>
        <source>Die Aufzeichnung enthält keine Fluggeschwindigkeit; die Spur bleibt ungefärbt.</source>
        <translation>The recording holds no airspeed; the track stays uncoloured.</translation>
    </message>
    <message>
        <source>Thermiken</source>
        <translation>Thermals</translation>
    </message>
    <message>
        <source>Thermik %1: %2 m/s</source>
        <translation>Thermal %1: %2 m/s</translation>
    </message>
    <message>
        <source>Mittleres Steigen: %1 m/s</source>
        <translation>Mean climb: %1 m/s</translation>
    </message>
    <message>
        <source>Höhengewinn: %1 m, von %2 m bis %3 m</source>
        <translation>Height gain: %1 m, from %2 m to %3 m</translation>
    </message>
    <message>
        <source>Dauer: %1:%2 min</source>
        <translation>Duration: %1:%2 min</translation>
    </message>
    <message>
        <source>Wind: aus %1° mit %2 km/h</source>
        <translation>Wind: from %1° at %2 km/h</translation>
    </message>
    <message>
        <source>%1 ist ein Ordner.</source>
        <translation>%1 is a folder.</translation>
    </message>
    <message>
        <source>%1 ist die geöffnete Aufzeichnung; sie wird nie überschrieben.</source>
        <translation>%1 is the open recording; it is never overwritten.</translation>
    </message>
    <message>
        <source>%1 konnte nicht geschrieben werden.</source>
        <translation>%1 could not be written.</translation>
    </message>
    <message>
        <source>Die vorhandene Datei bleibt unverändert.</source>
        <translation>The existing file is left unchanged.</translation>
    </message>
    <message>
        <source>Der Flug enthält keine Positionen: die Datei enthält eine leere Spur.</source>
        <translation>The flight has no positions: the file holds an empty track.</translation>
    </message>
    <message>
        <source>Gefärbt nach Vario - Werten</source>
        <translation>Coloured by climb rate</translation>
    </message>
    <message>
        <source>Gefärbt nach Flughöhe</source>
        <translation>Coloured by altitude</translation>
    </message>
    <message>
        <source>Gefärbt nach Wind</source>
        <translation>Coloured by wind</translation>
    </message>
    <message>
        <source>Gefärbt nach Temperaturgradient</source>
        <translation>Coloured by temperature gradient</translation>
    </message>
    <message>
        <source>Ohne Färbung</source>
        <translation>Without colouring</translation>
    </message>
    <message>
        <source>Flugweg</source>
        <translation>Flight path</translation>
    </message>
    <message>
        <source>Wegpunkte</source>
        <translation>Route points</translation>
    </message>
    <message>
        <source>Höhe: %1 m</source>
        <translation>Altitude: %1 m</translation>
    </message>
    <message>
        <source>Nummer %1</source>
        <translation>Number %1</translation>
    </message>
    <message>
        <source>Flug</source>
        <translation>Flight</translation>
    </message>
    <message>
        <source>Flug Datum:</source>
        <translation>Flight date:</translation>
    </message>
    <message>
        <source>Start Platz:</source>
        <translation>Take-off site:</translation>
    </message>
    <message>
        <source>Startplatz Höhe:</source>
        <translation>Take-off altitude:</translation>
    </message>
    <message>
        <source>Startzeit:</source>
        <translation>Take-off time:</translation>
    </message>
    <message>
        <source>Landezeit:</source>
        <translation>Landing time:</translation>
    </message>
    <message>
        <source>Flugdauer:</source>
        <translation>Flight duration:</translation>
    </message>
    <message>
        <source>Max. Höhe:</source>
        <translation>Max. altitude:</translation>
    </message>
    <message>
        <source>Flugstrecke:</source>
        <translation>Flight distance:</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Wendepunkt %1</source>
        <translation>Turnpoint %1</translation>
    </message>
    <message>
        <source>Ziel</source>
        <translation>Finish</translation>
    </message>
    <message>
        <source>Wertung %1: %2, %3 Punkte</source>
        <translation>Score %1: %2, %3 points</translation>
    </message>
</context>
<context>
    <name>ExportDlg</name>
    <message>
        <source>GPX-Datei (*.gpx)</source>
        <translation>GPX file (*.gpx)</translation>
    </message>
    <message>
        <source>KML-Datei, ohne Färbung (*.kml)</source>
        <translation>KML file, without colouring (*.kml)</translation>
    </message>
    <message>
        <source>KML-Datei, gefärbt nach Temperaturgradient (*.kml)</source>
        <translation>KML file, coloured by temperature gradient (*.kml)</translation>
    </message>
    <message>
        <source>KML-Datei, gefärbt nach Wind (*.kml)</source>
        <translation>KML file, coloured by wind (*.kml)</translation>
    </message>
    <message>
        <source>KML-Datei, gefärbt nach Flughöhe (*.kml)</source>
        <translation>KML file, coloured by altitude (*.kml)</translation>
    </message>
    <message>
        <source>KML-Datei, gefärbt nach Vario - Werten (*.kml)</source>
        <translation>KML file, coloured by climb rate (*.kml)</translation>
    </message>
    <message>
        <source>Exportieren</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>%1 ist bereits vorhanden.
Möchten Sie sie ersetzen?</source>
        <translation>%1 already exists.
Do you want to replace it?</translation>
    </message>
    <message>
        <source>&amp;Ja</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>&amp;Nein</source>
        <translation>&amp;No</translation>
    </message>
</context>
<context>
    <name>Gelaende</name>
    <message>
        <source>Grund: %1 Meter</source>
        <translation>Ground: %1 m</translation>
    </message>
    <message>
        <source>über Grund: %1 Meter</source>
        <translation>Above ground: %1 m</translation>
    </message>
    <message>
        <source>%1 m</source>
        <translation>%1 m</translation>
    </message>
    <message>
        <source>Gelände am Start:</source>
        <translation>Ground at take-off:</translation>
    </message>
    <message>
        <source>Gelände bei der Landung:</source>
        <translation>Ground at landing:</translation>
    </message>
    <message>
        <source>Tiefster Abstand über Grund:</source>
        <translation>Lowest height above ground:</translation>
    </message>
    <message>
        <source>Geländeordner %1 nicht gefunden oder nicht lesbar</source>
        <translation>Terrain folder %1 not found or not readable</translation>
    </message>
    <message>
        <source>Keine Höhenkacheln in %1</source>
        <translation>No elevation tiles in %1</translation>
    </message>
    <message>
        <source>Zu viele Dateien in %1: die Suche nach Höhenkacheln endete vorzeitig</source>
        <translation>Too many files in %1: the search for elevation tiles stopped early</translation>
    </message>
    <message>
        <source>Höhenkachel %1 nicht lesbar (falsche Größe, abgeschnitten oder kein Höhenmodell)</source>
        <translation>Elevation tile %1 not readable (wrong size, truncated or not an elevation model)</translation>
    </message>
    <message>
        <source>%1 ist ein Bild, kein Höhenmodell</source>
        <translation>%1 is a picture, not an elevation model</translation>
    </message>
    <message>
        <source>%1 hat keine Georeferenz, die sich in Grad umrechnen lässt</source>
        <translation>%1 has no georeferencing that can be turned into degrees</translation>
    </message>
    <message>
        <source>Höhenkachel %1 ist beschädigt: ein Teil der Höhen fehlt</source>
        <translation>Elevation tile %1 is damaged: some of its heights are missing</translation>
    </message>
    <message>
        <source>Höhenkachel %1 wurde geändert und neu gelesen</source>
        <translation>Elevation tile %1 changed and was read again</translation>
    </message>
    <message>
        <source>Der Leser für Höhenmodelle fehlt: %1</source>
        <translation>The elevation model reader is missing: %1</translation>
    </message>
</context>
<context>
    <name>IgcHoehe</name>
    <message>
        <source>&amp;Höhe aus IGC-Dateien</source>
        <translation>IGC &amp;Altitude</translation>
    </message>
    <message>
        <source>IGC-&amp;Uhrzeit</source>
        <translation>IGC &amp;Times</translation>
    </message>
    <message>
        <source>&amp;Ortszeit, wo die Datei ihre Zeitzone nennt</source>
        <translation>&amp;Local time where the log names its time zone</translation>
    </message>
    <message>
        <source>&amp;UTC</source>
        <translation>&amp;UTC</translation>
    </message>
    <message>
        <source>Wählt, ob die Uhrzeiten einer IGC-Datei in UTC oder in der Ortszeit des Flugs gezeigt werden.</source>
        <translation>Chooses whether the times of an IGC log are shown in UTC or in the local time of the flight.</translation>
    </message>
    <message>
        <source>&amp;Automatisch (Luftdruck, ohne Barometer GNSS)</source>
        <translation>&amp;Automatic (pressure, GNSS without barometer)</translation>
    </message>
    <message>
        <source>&amp;Luftdruck</source>
        <translation>&amp;Pressure</translation>
    </message>
    <message>
        <source>&amp;GNSS</source>
        <translation>&amp;GNSS</translation>
    </message>
    <message>
        <source>Wählt, welche Höhe der Flugpunkte einer IGC-Datei gezeigt wird.</source>
        <translation>Chooses which altitude of an IGC file&apos;s fixes is shown.</translation>
    </message>
</context>
<context>
    <name>KarteDrucken</name>
    <message>
        <source>   Seite 1 von %1 (Übersicht)</source>
        <translation>   Page 1 of %1 (overview)</translation>
    </message>
    <message>
        <source>   Seite %1 von %2 (Reihe %3, Spalte %4)</source>
        <translation>   Page %1 of %2 (row %3, column %4)</translation>
    </message>
</context>
<context>
    <name>KartenTexte</name>
    <message>
        <source>Maßstab 1:%1    Dateiname: %2    Flugdatum:%3 </source>
        <translation>Scale 1:%1    File name: %2    Flight date:%3 </translation>
    </message>
</context>
<context>
    <name>Legende</name>
    <message>
        <source>Variowerte</source>
        <translation>Vario</translation>
    </message>
    <message>
        <source>Flughöhe</source>
        <translation>Altitude</translation>
    </message>
    <message>
        <source>Wind</source>
        <translation>Wind</translation>
    </message>
    <message>
        <source>Temperatur</source>
        <translation>Temperature</translation>
    </message>
    <message>
        <source>Keine Färbung</source>
        <translation>No colouring</translation>
    </message>
    <message>
        <source>%1 Meter</source>
        <translation>%1 metres</translation>
    </message>
    <message>
        <source>6 m/s steigen</source>
        <translation>6 m/s climb</translation>
    </message>
    <message>
        <source>4 m/s steigen</source>
        <translation>4 m/s climb</translation>
    </message>
    <message>
        <source>2 m/s steigen</source>
        <translation>2 m/s climb</translation>
    </message>
    <message>
        <source>0 m/s steigen</source>
        <translation>0 m/s climb</translation>
    </message>
    <message>
        <source>2 m/s sinken</source>
        <translation>2 m/s sink</translation>
    </message>
    <message>
        <source>4 m/s sinken</source>
        <translation>4 m/s sink</translation>
    </message>
    <message>
        <source>6 m/s sinken</source>
        <translation>6 m/s sink</translation>
    </message>
    <message>
        <source>25 km/h Rückenwind</source>
        <translation>25 km/h tailwind</translation>
    </message>
    <message>
        <source>17 km/h Rückenwind</source>
        <translation>17 km/h tailwind</translation>
    </message>
    <message>
        <source>8 km/h Rückenwind</source>
        <translation>8 km/h tailwind</translation>
    </message>
    <message>
        <source>0 km/h Wind</source>
        <translation>0 km/h wind</translation>
    </message>
    <message>
        <source>8 km/h Gegenwind</source>
        <translation>8 km/h headwind</translation>
    </message>
    <message>
        <source>17 km/h Gegenwind</source>
        <translation>17 km/h headwind</translation>
    </message>
    <message>
        <source>25 km/h Gegenwind</source>
        <translation>25 km/h headwind</translation>
    </message>
    <message>
        <source>+3°C Übertemp.</source>
        <translation>+3°C excess temp.</translation>
    </message>
    <message>
        <source>+2.5°C Übertemp.</source>
        <translation>+2.5°C excess temp.</translation>
    </message>
    <message>
        <source>+2°C Übertemp.</source>
        <translation>+2°C excess temp.</translation>
    </message>
    <message>
        <source>+1.5°C Übertemp.</source>
        <translation>+1.5°C excess temp.</translation>
    </message>
    <message>
        <source>+1°C Übertemp.</source>
        <translation>+1°C excess temp.</translation>
    </message>
    <message>
        <source>+0.5°C Übertemp.</source>
        <translation>+0.5°C excess temp.</translation>
    </message>
    <message>
        <source>0°C Übertemp.</source>
        <translation>0°C excess temp.</translation>
    </message>
    <message>
        <source>-0.5°C Übertemp.</source>
        <translation>-0.5°C excess temp.</translation>
    </message>
    <message>
        <source>-1°C Übertemp.</source>
        <translation>-1°C excess temp.</translation>
    </message>
    <message>
        <source>Ohne Temperatur</source>
        <translation>No temperature</translation>
    </message>
    <message>
        <source>Ohne Fahrtmessung</source>
        <translation>No airspeed</translation>
    </message>
</context>
<context>
    <name>Menues</name>
    <message>
        <source>&amp;Exportieren...</source>
        <translation>&amp;Export...</translation>
    </message>
    <message>
        <source>Von &amp;Oben</source>
        <translation>From &amp;Above</translation>
    </message>
    <message>
        <source>Von &amp;Süden</source>
        <translation>From &amp;South</translation>
    </message>
    <message>
        <source>Von O&amp;sten</source>
        <translation>From &amp;East</translation>
    </message>
    <message>
        <source>&amp;Temperaturverlauf</source>
        <translation>&amp;Temperature Profile</translation>
    </message>
    <message>
        <source>&amp;Farbe</source>
        <translation>&amp;Colour</translation>
    </message>
    <message>
        <source>&amp;Keine</source>
        <translation>&amp;None</translation>
    </message>
    <message>
        <source>&amp;Temperaturgradient</source>
        <translation>&amp;Temperature Gradient</translation>
    </message>
    <message>
        <source>&amp;Wind</source>
        <translation>&amp;Wind</translation>
    </message>
    <message>
        <source>&amp;Flughöhe</source>
        <translation>&amp;Altitude</translation>
    </message>
    <message>
        <source>&amp;Vario - Werte</source>
        <translation>&amp;Vario Values</translation>
    </message>
    <message>
        <source>&amp;Datei</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>Ö&amp;ffnen...	Strg+O</source>
        <translation>&amp;Open...	Ctrl+O</translation>
    </message>
    <message>
        <source>&amp;Grafik Drucken...	Strg+P</source>
        <translation>&amp;Print Graph...	Ctrl+P</translation>
    </message>
    <message>
        <source>Druck&amp;vorschau...</source>
        <translation>Print Pre&amp;view...</translation>
    </message>
    <message>
        <source>&amp;Beenden</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>&amp;Ansicht</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>S&amp;tatusleiste</source>
        <translation>&amp;Status Bar</translation>
    </message>
    <message>
        <source>&amp;Symbolleiste</source>
        <translation>&amp;Toolbar</translation>
    </message>
    <message>
        <source>&amp;Zeitmarken</source>
        <translation>Time &amp;Marks</translation>
    </message>
    <message>
        <source>&amp;Routenpunkte</source>
        <translation>&amp;Route Points</translation>
    </message>
    <message>
        <source>&amp;Grafik</source>
        <translation>&amp;Graph</translation>
    </message>
    <message>
        <source>&amp;Anzahl</source>
        <translation>&amp;Number</translation>
    </message>
    <message>
        <source>&amp;Einzelgrafik</source>
        <translation>&amp;Single Graph</translation>
    </message>
    <message>
        <source>ge&amp;teilte Grafik</source>
        <translation>S&amp;plit Graph</translation>
    </message>
    <message>
        <source>&amp;Linke Grafik</source>
        <translation>&amp;Left Graph</translation>
    </message>
    <message>
        <source>&amp;Rechte Grafik</source>
        <translation>&amp;Right Graph</translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation>&amp;Zoom</translation>
    </message>
    <message>
        <source>&amp;Vergrößern</source>
        <translation>Zoom &amp;In</translation>
    </message>
    <message>
        <source>Ver&amp;kleinern</source>
        <translation>Zoom &amp;Out</translation>
    </message>
    <message>
        <source>&amp;Anpassen</source>
        <translation>&amp;Fit</translation>
    </message>
    <message>
        <source>Flug &amp;Informationen</source>
        <translation>Flight &amp;Information</translation>
    </message>
    <message>
        <source>&amp;Einstellungen...</source>
        <translation>&amp;Settings...</translation>
    </message>
    <message>
        <source>&amp;?</source>
        <translation>&amp;?</translation>
    </message>
    <message>
        <source>Inf&amp;o über sarnix...</source>
        <translation>&amp;About sarnix...</translation>
    </message>
    <message>
        <source>Letzte Datei</source>
        <translation>Recent File</translation>
    </message>
    <message>
        <source>Über der &amp;Zeit</source>
        <translation>&amp;Over time</translation>
    </message>
    <message>
        <source>T&amp;hermiken</source>
        <translation>T&amp;hermals</translation>
    </message>
    <message>
        <source>Flug&amp;phasen...</source>
        <translation>Flight &amp;phases...</translation>
    </message>
    <message>
        <source>&amp;Karte</source>
        <translation>Ma&amp;p</translation>
    </message>
    <message>
        <source>&amp;Wertung</source>
        <translation>S&amp;cored Path</translation>
    </message>
    <message>
        <source>&amp;Wertung...</source>
        <translation>S&amp;core...</translation>
    </message>
    <message>
        <source>&amp;Gelände</source>
        <translation>Terr&amp;ain</translation>
    </message>
</context>
<context>
    <name>OeffnenFehler</name>
    <message>
        <source>%1 wurde nicht gefunden.</source>
        <translation>%1 was not found.</translation>
    </message>
    <message>
        <source>%1 ist keine Flugaufzeichnung.</source>
        <translation>%1 is not a flight recording.</translation>
    </message>
    <message>
        <source>%1 enthält eine ungültige Pfadangabe.</source>
        <translation>%1 contains an invalid path.</translation>
    </message>
    <message>
        <source>%1 konnte nicht geöffnet werden, da zu viele Dateien geöffnet sind.</source>
        <translation>%1 could not be opened because too many files are open.</translation>
    </message>
    <message>
        <source>Zugriff auf %1 wurde verwehrt.</source>
        <translation>Access to %1 was denied.</translation>
    </message>
    <message>
        <source>Eine Zugriffsverletzung ist während des Zugriffs auf %1 aufgetreten.</source>
        <translation>A sharing violation occurred while accessing %1.</translation>
    </message>
    <message>
        <source>Ein Hardware-E/A-Fehler wurde während des Zugriffs auf %1 gemeldet.</source>
        <translation>A hardware I/O error was reported while accessing %1.</translation>
    </message>
    <message>
        <source>Ein unbekannter Fehler ist beim Zugriff auf %1 aufgetreten.</source>
        <translation>An unknown error occurred while accessing %1.</translation>
    </message>
</context>
<context>
    <name>SprachMenue</name>
    <message>
        <source>S&amp;prache</source>
        <translation>&amp;Language</translation>
    </message>
    <message>
        <source>Wählt die Sprache der Oberfläche, jetzt und für die nächsten Starts.</source>
        <translation>Chooses the language of the interface, now and for the next starts.</translation>
    </message>
</context>
<context>
    <name>SpurCursor</name>
    <message>
        <source>Zeit:</source>
        <translation>Time:</translation>
    </message>
    <message>
        <source>Höhe: %1 Meter</source>
        <translation>Altitude: %1 m</translation>
    </message>
    <message>
        <source>Temp.: keine</source>
        <translation>Temp.: none</translation>
    </message>
    <message>
        <source>Ohne Fahrtmessung</source>
        <translation>No airspeed</translation>
    </message>
</context>
<context>
    <name>Symbolleiste</name>
    <message>
        <source>Symbolleiste</source>
        <translation>Toolbar</translation>
    </message>
</context>
<context>
    <name>Tastenanzeige</name>
    <message>
        <source>UF</source>
        <translation>CAP</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>NUM</translation>
    </message>
    <message>
        <source>RF</source>
        <translation>SCRL</translation>
    </message>
</context>
<context>
    <name>Temperaturverlauf</name>
    <message>
        <source>Keine Temperatur aufgezeichnet</source>
        <translation>No temperature recorded</translation>
    </message>
</context>
<context>
    <name>Titel</name>
    <message>
        <source>Grundriß</source>
        <translation>Plan view</translation>
    </message>
    <message>
        <source>Barogramm mit Blickrichtung nach Westen</source>
        <translation>Barogram looking west</translation>
    </message>
    <message>
        <source>Barogramm mit Blickrichtung nach Norden</source>
        <translation>Barogram looking north</translation>
    </message>
    <message>
        <source>Temperaturverlauf</source>
        <translation>Temperature profile</translation>
    </message>
    <message>
        <source>Barogramm über der Zeit</source>
        <translation>Barogram over time</translation>
    </message>
</context>
<context>
    <name>ZeitSpanne</name>
    <message>
        <source>%1 bis %2: Dauer %3, Höhenunterschied %4 m, mittleres Steigen %5 m/s</source>
        <translation>%1 to %2: duration %3, altitude difference %4 m, mean climb %5 m/s</translation>
    </message>
</context>
<context>
    <name>KartenDlg</name>
    <message>
        <source>Karte</source>
        <translation>Map</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Adresse oder MBTiles-Datei</source>
        <translation>Address or MBTiles file</translation>
    </message>
    <message>
        <source>Größter Zoom</source>
        <translation>Largest zoom</translation>
    </message>
    <message>
        <source>Namensnennung</source>
        <translation>Attribution</translation>
    </message>
    <message>
        <source>Kachelserver hinzufügen</source>
        <translation>Add tile server</translation>
    </message>
    <message>
        <source>MBTiles-Datei...</source>
        <translation>MBTiles file...</translation>
    </message>
    <message>
        <source>Entfernen</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>Neue Karte</source>
        <translation>New map</translation>
    </message>
    <message>
        <source>MBTiles-Datei</source>
        <translation>MBTiles file</translation>
    </message>
    <message>
        <source>MBTiles (*.mbtiles)</source>
        <translation>MBTiles (*.mbtiles)</translation>
    </message>
    <message>
        <source>Gezeigte Karte:</source>
        <translation>Map shown:</translation>
    </message>
    <message>
        <source>Kartenspeicher höchstens:</source>
        <translation>Map cache at most:</translation>
    </message>
    <message>
        <source>Kacheln werden erst geladen, wenn &quot;Ansicht &gt; Karte&quot; eingeschaltet ist.</source>
        <translation>Tiles are loaded only once &quot;View &gt; Map&quot; is turned on.</translation>
    </message>
</context>
<context>
    <name>Karte</name>
    <message>
        <source>Kartenspeicher nicht beschreibbar: %1</source>
        <translation>Map cache not writable: %1</translation>
    </message>
    <message>
        <source>Kachel ist kein lesbares Bild</source>
        <translation>Tile is no readable picture</translation>
    </message>
    <message>
        <source>Kachel hat die unerwartete Größe %1 × %2</source>
        <translation>Tile has the unexpected size %1 × %2</translation>
    </message>
    <message>
        <source>Der Kartenadresse fehlt %1</source>
        <translation>The map address lacks %1</translation>
    </message>
    <message>
        <source>Die Kartenadresse ist keine http- oder https-Adresse</source>
        <translation>The map address is no http or https address</translation>
    </message>
    <message>
        <source>Kachelserver leitet im Kreis um</source>
        <translation>Tile server redirects in a circle</translation>
    </message>
    <message>
        <source>Kachel ist zu groß</source>
        <translation>Tile is too large</translation>
    </message>
    <message>
        <source>Kachelserver antwortet nicht</source>
        <translation>Tile server does not answer</translation>
    </message>
    <message>
        <source>Kachelserver antwortet mit HTTP %1</source>
        <translation>Tile server answers with HTTP %1</translation>
    </message>
    <message>
        <source>Kachelserver nicht erreichbar: %1</source>
        <translation>Tile server not reachable: %1</translation>
    </message>
    <message>
        <source>%1 von %2 Kacheln fehlen</source>
        <translation>%1 of %2 tiles missing</translation>
    </message>
    <message>
        <source>MBTiles-Datei nicht gefunden: %1</source>
        <translation>MBTiles file not found: %1</translation>
    </message>
    <message>
        <source>SQLite fehlt: MBTiles-Dateien können nicht gelesen werden</source>
        <translation>SQLite is missing: MBTiles files cannot be read</translation>
    </message>
    <message>
        <source>MBTiles-Datei lässt sich nicht öffnen: %1</source>
        <translation>MBTiles file cannot be opened: %1</translation>
    </message>
    <message>
        <source>MBTiles-Datei ist beschädigt oder gesperrt: %1</source>
        <translation>MBTiles file is damaged or locked: %1</translation>
    </message>
</context>
</TS>
