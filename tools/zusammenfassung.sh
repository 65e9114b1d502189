#!/usr/bin/env bash
# A readable summary of a flight, made from the JSON of `sarnix-cli info` on standard input.
set -euo pipefail
jq -r '
  def feld($name; $wert): "\($name + ":" + (" " * (18 - ($name | length))))\($wert | tostring | sub(" +$"; ""))";
  feld("Datei"; .dateiname),
  feld("Flug Datum"; .flugdatum),
  feld("Start Platz"; .startplatz),
  feld("Startplatz Höhe"; .startplatzHoehe),
  feld("Landeplatz Höhe"; .landeplatzHoehe),
  feld("Max. Höhe"; .maxHoehe),
  feld("Startzeit"; .startzeit),
  feld("Landezeit"; .landezeit),
  feld("Flugdauer"; .flugdauer),
  feld("Flugstrecke"; .flugstrecke),
  feld("Max. Steigen"; .maxSteigen),
  feld("Max. Sinken"; .maxSinken),
  feld("Fixe"; .anzahlFixes),
  feld("Routenpunkte"; .anzahlWegpunkte)
'
