#!/usr/bin/env python3
"""Writes data/LScripts/English.lng and German.lng from the tables below.

The scripts are plain initialisation files (UTF-8, CR LF). Keeping both languages in one
table makes a missing translation stand out: every key must have both texts.
Run: python3 tools/lng/scripts.py
"""
import os

ZOOM_EN = '"Fit To Page","Fit To Width",Custom,25%,50%,75%,100%,125%,150%,200%,300%,400%'
ZOOM_DE = '"Ganze Seite",Seitenbreite,Benutzerdefiniert,25%,50%,75%,100%,125%,150%,200%,300%,400%'

# The credit lines of the About page; a list value cannot hold a comma.
def list_value(entries):
    assert all("," not in e for e in entries), "a list entry cannot hold a comma"
    return ",".join(entries)


CREDITS_EN = list_value([
    "* Qt 6: the toolkit Corvane's windows are built with",
    "* The DejaVu and Liberation fonts",
    "* GoogleTest and Google Benchmark",
    "* LLVM's libFuzzer and the sanitizers",
    "* Debian: where Corvane is built and tested",
    "* Everyone who writes code for Corvane",
    "* Everyone who translates and tests it",
])
CREDITS_DE = list_value([
    "* Qt 6: das Toolkit hinter Corvanes Fenstern",
    "* Die Schriften DejaVu und Liberation",
    "* GoogleTest und Google Benchmark",
    "* libFuzzer von LLVM und die Sanitizer",
    "* Debian: hier wird Corvane gebaut und getestet",
    "* Allen Mitwirkenden am Code von Corvane",
    "* Allen Übersetzern und Testern",
])

# (section, key, English, German)
TEXTS = [
    ("FormMain", "Caption", "Corvane", "Corvane"),
    ("FormMain", "Anzeige.Caption", "Display", "Anzeige"),
    ("FormMain", "Eingabe.Caption", "Enter", "Eingabe"),
    ("FormMain", "Liste.Caption", "List", "Liste"),
    ("FormMain", "HelpSheet.Caption", "Help", "Hilfe"),
    ("FormMain", "Optionen.Caption", "Options", "Optionen"),
    ("FormMain", "AboutSheet.Caption", "About", "Info"),
    ("FormMain", "HelpStartPanel.Caption", "Please wait a moment....", "Bitte einen Moment warten ..."),
    ("FormMain", "OptionStartPanel.Caption", "Please wait a moment....", "Bitte einen Moment warten ..."),
    ("FormMain", "AboutStartPanel.Caption", "Please wait a moment....", "Bitte einen Moment warten ..."),
    ("FormMain", "ExitButton.Caption", "Exit", "Beenden"),
    ("FormMain", "ExitButton.Hint", "Close program", "Programm beenden"),
    ("FormMain", "TopicsCombo.Hint", "Select countdown", "Countdown auswählen"),
    ("FormMain", "ZeitAnzeigePanel.Hint", "Time left", "Verbleibende Zeit"),
    ("FormMain", "StartImage.Hint", "Start countdown", "Countdown starten"),
    ("FormMain", "PauseImage.Hint", "Pause countdown", "Countdown anhalten"),
    ("FormMain", "StopImage.Hint", "Stop countdown", "Countdown beenden"),
    ("FormMain", "lblEnter.Caption", "No access while countdown runs!",
     "Kein Zugriff, solange ein Countdown läuft!"),
    ("FormMain", "USchriftBox.Caption", "Title", "Titel"),
    ("FormMain", "ZeitBox.Caption", "Time (Hours, Min., Secs)", "Zeit (Std., Min., Sek.)"),
    ("FormMain", "StundenZahl.Hint", "Hours", "Stunden"),
    ("FormMain", "Minutenzahl.Hint", "Minutes", "Minuten"),
    ("FormMain", "Sekundenzahl.Hint", "Seconds", "Sekunden"),
    ("FormMain", "TextAnzeige.Caption", "Message", "Meldung"),
    ("FormMain", "Klangdatei.Caption", "Sound file", "Klangdatei"),
    ("FormMain", "KlangSuchKnopf.Hint", "Open sound file", "Klangdatei öffnen"),
    ("FormMain", "EintragsKnopf.Hint", "Add entry", "Eintrag hinzufügen"),
    ("FormMain", "lblList.Caption", "No access while countdown runs!",
     "Kein Zugriff, solange ein Countdown läuft!"),
    ("FormMain", "RenameButton.Hint", "Rename entry", "Eintrag umbenennen"),
    ("FormMain", "DeleteButton.Hint", "Delete entry", "Eintrag löschen"),

    ("CorvaneForm", "Caption", "Corvane", "Corvane"),
    ("CorvaneForm", "OptionSheet.Caption", "Options", "Optionen"),
    ("CorvaneForm", "HelpSheet.Caption", "Help", "Hilfe"),
    ("CorvaneForm", "AboutSheet.Caption", "About", "Info"),
    ("CorvaneForm", "OKButton.Caption", "OK", "OK"),
    ("CorvaneForm", "OKButton.Hint", "Save options and close window",
     "Optionen übernehmen und Fenster schließen"),
    ("CorvaneForm", "ProgOptBox.Caption", "Program options", "Programmoptionen"),
    ("CorvaneForm", "GenOptBox.Caption", "General options", "Allgemeine Optionen"),
    ("CorvaneForm", "GenOptCheckBox.Items",
     "Show progress in System-Tray,Always on top,Show exit dialog,Autostart program",
     "Fortschritt im Infobereich zeigen,Immer im Vordergrund,Vor dem Beenden nachfragen,"
     "Bei der Anmeldung starten"),
    ("CorvaneForm", "LanguageBox.Caption", "Language", "Sprache"),
    ("CorvaneForm", "ProgramFontBox.Caption", "Program font", "Programmschrift"),
    ("CorvaneForm", "shpPFontColor.Hint", "Click to change", "Zum Ändern klicken"),
    ("CorvaneForm", "MessageColorBox.Caption", "Messages", "Meldungen"),
    ("CorvaneForm", "MStartColorLabel.Caption", "Start color:", "Anfangsfarbe:"),
    ("CorvaneForm", "MStartColor.Hint", "Click to change", "Zum Ändern klicken"),
    ("CorvaneForm", "MEndColorLabel.Caption", "End color:", "Endfarbe:"),
    ("CorvaneForm", "MEndColor.Hint", "Click to change", "Zum Ändern klicken"),
    ("CorvaneForm", "ThemeBox.Caption", "Themes", "Designs"),
    ("CorvaneForm", "AllThemesBox.Caption", "List of available themes", "Vorhandene Designs"),
    ("CorvaneForm", "AddThemeButton.Hint", "Save theme and add to list",
     "Design speichern und in die Liste aufnehmen"),
    ("CorvaneForm", "ThemeRenameButton.Hint", "Change theme name", "Design umbenennen"),
    ("CorvaneForm", "ThemeDeleteButton.Hint", "Delete Theme", "Design löschen"),
    ("CorvaneForm", "ChangeElementBox.Caption", "Change element", "Element ändern"),
    ("CorvaneForm", "ChangeElementBox.Items", list_value([
        "Background picture", "Progress bar picture", "Start button picture",
        "Pause button picture", "Stop button picture"]), list_value([
        "Hintergrundbild", "Bild des Fortschrittsbalkens", "Bild der Starttaste",
        "Bild der Pausetaste", "Bild der Stopptaste"])),
    ("CorvaneForm", "PicOpenButton.Hint", "Open picture", "Bild öffnen"),
    ("CorvaneForm", "TimeDisplayFont.Caption", "Time display font", "Schrift der Zeitanzeige"),
    ("CorvaneForm", "shpTimeFontColor.Hint", "Click to change", "Zum Ändern klicken"),
    ("CorvaneForm", "TimeDisplayColorBox.Caption", "Time display color", "Farbe der Zeitanzeige"),
    ("CorvaneForm", "TimeDisplayColor.Hint", "Click to change", "Zum Ändern klicken"),
    ("CorvaneForm", "PresentLabel.Caption", "presents:", "präsentiert:"),
    ("CorvaneForm", "ProgLongNameLabel.Caption", "Version 1.0b", "Version 1.0b"),
    ("CorvaneForm", "HomepageLabel.Caption", "https://corvane.org", "https://corvane.org"),
    ("CorvaneForm", "eMailLabel.Caption", "contact@corvane.org", "contact@corvane.org"),
    ("CorvaneForm", "NoSpyImg.Hint", "Corvane collects no data about you",
     "Corvane sammelt keine Daten über Sie"),
    ("CorvaneForm", "DankBox.Caption", "Credits", "Danksagung"),
    ("CorvaneForm", "DankMemo.Lines", CREDITS_EN, CREDITS_DE),
    ("CorvaneForm", "FreewareLabel.Caption", "Corvane is free software: GNU GPL 3 or later.",
     "Corvane ist freie Software: GNU GPL 3 oder neuer."),
    ("CorvaneForm", "Donations.Caption", "Donations", "Spenden"),
    ("CorvaneForm", "PayPalBtn.Hint", "Donate with PayPal", "Mit PayPal spenden"),
    ("CorvaneForm", "HelpFilesBox.Caption", "Help files", "Hilfedateien"),
    ("CorvaneForm", "HelpTopicsBox.Caption", "Help Topics", "Hilfethemen"),
    ("CorvaneForm", "HelpPreviewButton.Hint", "Print preview", "Druckvorschau"),
    ("CorvaneForm", "HelpPrintButton.Hint", "Print", "Drucken"),
    ("CorvaneForm", "HelpFindButton.Hint", "Find text", "Text suchen"),

    ("Captions", "OK", "OK", "OK"),
    ("Captions", "Cancel", "Cancel", "Abbrechen"),
    ("Captions", "Yes", "Yes", "Ja"),
    ("Captions", "No", "No", "Nein"),
    ("Captions", "Information", "Information", "Information"),
    ("Captions", "Confirmation", "Confirmation", "Bestätigung"),
    ("Captions", "Warning", "Warning", "Warnung"),
    ("Captions", "Input", "Input", "Eingabe"),
    ("Captions", "Entries", "Entries", "Einträge"),
    ("Captions", "Countdowns", "Countdowns", "Countdowns"),
    ("Captions", "Wave files", "Wave files", "Wave-Dateien"),
    ("Captions", "Bitmap files", "Bitmap files", "Bitmap-Dateien"),
    ("Captions", "Theme preview", "Theme preview", "Designvorschau"),
    ("Captions", "Page", "Page", "Seite"),

    ("Messages", "No access while countdown runs!", "No access while countdown runs!",
     "Kein Zugriff, solange ein Countdown läuft!"),
    ("Messages", "Please wait a moment...", "Please wait a moment...", "Bitte einen Moment warten ..."),
    ("Messages", "Do you really want to exit the program?", "Do you really want to exit the program?",
     "Möchten Sie das Programm wirklich beenden?"),
    ("Messages", "An entry of this name already exists. Do you want to replace it?",
     "An entry of this name already exists. Do you want to replace it?",
     "Ein Eintrag mit diesem Namen ist bereits vorhanden. Möchten Sie ihn ersetzen?"),
    ("Messages", "Are you sure?", "Are you sure?", "Sind Sie sicher?"),
    ("Messages", "Sorry, an entry with this name already exists.",
     "Sorry, an entry with this name already exists.",
     "Leider gibt es bereits einen Eintrag mit diesem Namen."),
    ("Messages", "%1 does not exist.", "%1 does not exist.", "%1 ist nicht vorhanden."),
    ("Messages", "%1 is not a regular file, so Corvane does not read it.",
     "%1 is not a regular file, so Corvane does not read it.",
     "%1 ist keine gewöhnliche Datei, darum liest Corvane sie nicht."),
    ("Messages", "%1 is too large (%2 MB); Corvane reads such files up to %3 MB.",
     "%1 is too large (%2 MB); Corvane reads such files up to %3 MB.",
     "%1 ist zu groß (%2 MB); Corvane liest solche Dateien bis %3 MB."),
    ("Messages", "%1 cannot be opened for reading.", "%1 cannot be opened for reading.",
     "%1 lässt sich nicht zum Lesen öffnen."),
    ("Messages", "There is not enough memory to read %1.", "There is not enough memory to read %1.",
     "Der Speicher reicht nicht, um %1 zu lesen."),
    ("Messages", "Corvane uses its default settings and leaves this file as it is.",
     "Corvane uses its default settings and leaves this file as it is.",
     "Corvane verwendet seine Standardeinstellungen und lässt diese Datei unverändert."),
    ("Messages", "Corvane shows its texts in English.", "Corvane shows its texts in English.",
     "Corvane zeigt seine Texte auf Englisch."),
    ("Messages", "Corvane starts with an empty countdown list and leaves this file as it is.",
     "Corvane starts with an empty countdown list and leaves this file as it is.",
     "Corvane beginnt mit einer leeren Countdown-Liste und lässt diese Datei unverändert."),
    ("Messages", "The countdown list %1 holds a NUL character in line %2; only the lines before it were read.",
     "The countdown list %1 holds a NUL character in line %2; only the lines before it were read.",
     "Die Countdown-Liste %1 enthält in Zeile %2 ein NUL-Zeichen; nur die Zeilen davor wurden gelesen."),
    ("Messages", "The countdown list %1 holds bytes that are not text; they are shown as placeholders.",
     "The countdown list %1 holds bytes that are not text; they are shown as placeholders.",
     "Die Countdown-Liste %1 enthält Bytes, die kein Text sind; sie werden als Platzhalter angezeigt."),
    ("Messages", "The original file is kept as %1.", "The original file is kept as %1.",
     "Die ursprüngliche Datei bleibt als %1 erhalten."),
    ("Messages", "No copy of the original file could be made, so Corvane will not write over it.",
     "No copy of the original file could be made, so Corvane will not write over it.",
     "Von der ursprünglichen Datei ließ sich keine Kopie anlegen, darum überschreibt Corvane sie nicht."),
    ("Messages", "Corvane ran out of memory; what it was doing was not finished.",
     "Corvane ran out of memory; what it was doing was not finished.",
     "Corvane hat keinen Speicher mehr; der letzte Vorgang wurde nicht beendet."),
    ("Messages", "The theme file %1 ends after line %2; a theme has eight lines.",
     "The theme file %1 ends after line %2; a theme has eight lines.",
     "Die Design-Datei %1 endet nach Zeile %2; ein Design hat acht Zeilen."),
    ("Messages", "Line %2 of the theme file %1 holds no valid bitmap image.",
     "Line %2 of the theme file %1 holds no valid bitmap image.",
     "Zeile %2 der Design-Datei %1 enthält kein gültiges Bitmap-Bild."),
    ("Messages", "Line %2 of the theme file %1 is not a whole number.",
     "Line %2 of the theme file %1 is not a whole number.",
     "Zeile %2 der Design-Datei %1 ist keine ganze Zahl."),
    # The action of the desktop notification that an alarm sends while the window is out of
    # sight; it brings the window to the front.
    ("Messages", "Show Corvane", "Show Corvane", "Corvane anzeigen"),
    # The help search prompt "Please enter text (F3 = repeat search):" is looked up under a
    # key that holds "=", which ends a key in this format, so no script can translate it.

    ("Message", "Please enter new name:", "Please enter new name:", "Bitte geben Sie den neuen Namen ein:"),

    # The countdowns a new user finds on the first start.
    ("Examples", "Tea", "Tea", "Tee"),
    ("Examples", "Your tea is ready.", "Your tea is ready.", "Ihr Tee ist fertig."),
    ("Examples", "Soft-boiled eggs", "Soft-boiled eggs", "Weiche Eier"),
    ("Examples", "The eggs are done.", "The eggs are done.", "Die Eier sind fertig."),
    ("Examples", "Short break", "Short break", "Kurze Pause"),
    ("Examples", "The break is over.", "The break is over.", "Die Pause ist vorbei."),

    ("CommandLine", 'Usage: corvane [OPTION]', 'Usage: corvane [OPTION]', 'Aufruf: corvane [OPTION]'),
    ("CommandLine", 'Corvane is a countdown timer. Without an option it starts, or brings the Corvane that runs to the front.', 'Corvane is a countdown timer. Without an option it starts, or brings the Corvane that runs to the front.', 'Corvane ist ein Countdown-Timer. Ohne Option startet er oder holt den laufenden Corvane nach vorn.'),
    ("CommandLine", '-h, --help', '-h, --help', '-h, --help'),
    ("CommandLine", '-v, --version', '-v, --version', '-v, --version'),
    ("CommandLine", '--start NAME', '--start NAME', '--start NAME'),
    ("CommandLine", '--start DURATION', '--start DURATION', '--start DAUER'),
    ("CommandLine", '--message TEXT', '--message TEXT', '--message TEXT'),
    ("CommandLine", '--pause', '--pause', '--pause'),
    ("CommandLine", '--stop', '--stop', '--stop'),
    ("CommandLine", '--list', '--list', '--list'),
    ("CommandLine", 'Show this help and end.', 'Show this help and end.', 'Diese Hilfe zeigen und beenden.'),
    ("CommandLine", "Show Corvane's version and end.", "Show Corvane's version and end.", 'Die Version von Corvane zeigen und beenden.'),
    ("CommandLine", 'Start the countdown of this title (letter case ignored).', 'Start the countdown of this title (letter case ignored).', 'Den Countdown dieses Titels starten (Groß- und Kleinschreibung egal).'),
    ("CommandLine", 'Start a countdown of this length without changing the list: 90, 5m, 1h30m, 00:05:00.', 'Start a countdown of this length without changing the list: 90, 5m, 1h30m, 00:05:00.', 'Einen Countdown dieser Dauer starten, ohne die Liste zu ändern: 90, 5m, 1h30m, 00:05:00.'),
    ("CommandLine", 'The message shown when a countdown started by its length ends.', 'The message shown when a countdown started by its length ends.', 'Die Meldung am Ende eines Countdowns, der mit seiner Dauer gestartet wurde.'),
    ("CommandLine", 'Pause the running countdown.', 'Pause the running countdown.', 'Den laufenden Countdown anhalten.'),
    ("CommandLine", 'Stop the countdown.', 'Stop the countdown.', 'Den Countdown stoppen.'),
    ("CommandLine", 'Print the countdowns of the list, one per line: title, a tab, the duration.', 'Print the countdowns of the list, one per line: title, a tab, the duration.', 'Die Countdowns der Liste ausgeben, einen je Zeile: Titel, Tabulator, Dauer.'),
    ("CommandLine", '--start, --pause, --stop and --list reach the Corvane that runs for this folder; --start starts one when none runs.', '--start, --pause, --stop and --list reach the Corvane that runs for this folder; --start starts one when none runs.', '--start, --pause, --stop und --list erreichen den Corvane, der für diesen Ordner läuft; --start startet einen, wenn keiner läuft.'),
    ("CommandLine", "Try 'corvane --help' for the options.", "Try 'corvane --help' for the options.", "Die Optionen zeigt 'corvane --help'."),
    ("CommandLine", "Unknown option '%1'.", "Unknown option '%1'.", "Unbekannte Option '%1'."),
    ("CommandLine", "'--%1' needs a value.", "'--%1' needs a value.", "'--%1' braucht einen Wert."),
    ("CommandLine", "Unexpected argument '%1'.", "Unexpected argument '%1'.", "Unerwartetes Argument '%1'."),
    ("CommandLine", 'Give one command at a time, not %1 and %2.', 'Give one command at a time, not %1 and %2.', 'Bitte nur einen Befehl auf einmal, nicht %1 und %2.'),
    ("CommandLine", "'--message' goes with '--start' and a duration.", "'--message' goes with '--start' and a duration.", "'--message' gehört zu '--start' mit einer Dauer."),
    ("CommandLine", 'The command line is too long.', 'The command line is too long.', 'Die Befehlszeile ist zu lang.'),
    ("CommandLine", "'%1' is longer than 99:59:59.", "'%1' is longer than 99:59:59.", "'%1' ist länger als 99:59:59."),
    ("CommandLine", 'A countdown needs at least one second.', 'A countdown needs at least one second.', 'Ein Countdown braucht mindestens eine Sekunde.'),
    ("CommandLine", "A duration cannot be negative: '%1'.", "A duration cannot be negative: '%1'.", "Eine Dauer kann nicht negativ sein: '%1'."),
    ("CommandLine", "'%1' is not a duration. Give seconds (90), units (5m, 1h30m) or a time (00:05:00).", "'%1' is not a duration. Give seconds (90), units (5m, 1h30m) or a time (00:05:00).", "'%1' ist keine Dauer. Möglich sind Sekunden (90), Einheiten (5m, 1h30m) oder eine Zeit (00:05:00)."),
    ("CommandLine", "Minutes and seconds go up to 59: '%1'.", "Minutes and seconds go up to 59: '%1'.", "Minuten und Sekunden gehen bis 59: '%1'."),
    ("CommandLine", "There is no countdown called '%1'. corvane --list shows the countdowns.", "There is no countdown called '%1'. corvane --list shows the countdowns.", "Es gibt keinen Countdown namens '%1'. corvane --list zeigt die Countdowns."),
    ("CommandLine", 'A countdown is running (%1 left). Stop it first: corvane --stop', 'A countdown is running (%1 left). Stop it first: corvane --stop', 'Ein Countdown läuft (noch %1). Stoppen Sie ihn zuerst: corvane --stop'),
    ("CommandLine", 'A countdown is paused (%1 left). Stop it first: corvane --stop', 'A countdown is paused (%1 left). Stop it first: corvane --stop', 'Ein Countdown ist angehalten (noch %1). Stoppen Sie ihn zuerst: corvane --stop'),
    ("CommandLine", 'The alarm of the last countdown is still showing.', 'The alarm of the last countdown is still showing.', 'Der Alarm des letzten Countdowns wird noch angezeigt.'),
    ("CommandLine", 'The countdown has ended.', 'The countdown has ended.', 'Der Countdown ist abgelaufen.'),
    ("CommandLine", 'The countdown is paused already.', 'The countdown is paused already.', 'Der Countdown ist schon angehalten.'),
    ("CommandLine", 'No countdown is running.', 'No countdown is running.', 'Es läuft kein Countdown.'),
    ("CommandLine", 'Corvane is not running, so no countdown runs.', 'Corvane is not running, so no countdown runs.', 'Corvane läuft nicht, also läuft auch kein Countdown.'),
    ("CommandLine", 'Corvane is already running for this folder (%1), but does not answer.', 'Corvane is already running for this folder (%1), but does not answer.', 'Corvane läuft schon für diesen Ordner (%1), antwortet aber nicht.'),
    ("CommandLine", "Started '%1' (%2).", "Started '%1' (%2).", "'%1' gestartet (%2)."),
    ("CommandLine", 'Started a countdown of %1.', 'Started a countdown of %1.', 'Countdown von %1 gestartet.'),
    ("CommandLine", 'Time is up.', 'Time is up.', 'Die Zeit ist um.'),

    ("Print Preview", "First Page", "Go to First Page in Document", "Zur ersten Seite des Dokuments"),
    ("Print Preview", "Last Page", "Go to Last Page in Document", "Zur letzten Seite des Dokuments"),
    ("Print Preview", "Previous Page", "Move to Previous Page in Document", "Zur vorherigen Seite"),
    ("Print Preview", "Next Page", "Advance to Next Page in Document", "Zur nächsten Seite"),
    ("Print Preview", "Fit Page", "Fit to Page", "Ganze Seite"),
    ("Print Preview", "Fit Width", "Fit to Width", "Seitenbreite"),
    ("Print Preview", "Print", "Print all", "Alles drucken"),
    ("Print Preview", "Grid", "Turns Grid On/Off", "Raster ein- oder ausblenden"),
    ("Print Preview", "ZoomCursor", "Selects the Zoom Tool to zoom in or out",
     "Lupe zum Vergrößern und Verkleinern"),
    ("Print Preview", "OnePage", "Display One page at a time", "Eine Seite anzeigen"),
    ("Print Preview", "TwoPage", "Display Two pages side by side", "Zwei Seiten nebeneinander anzeigen"),
    ("Print Preview", "CloseButton Hint", "Close Window", "Fenster schließen"),
    ("Print Preview", "CloseButton Caption", "Exit", "Schließen"),
    ("Print Preview", "Caption", "Print Preview", "Druckvorschau"),
    ("Print Preview", "ZoomboxItems", ZOOM_EN, ZOOM_DE),
]

HEADERS = {
    "English": "; Corvane language script: English",
    "German": "; Corvane-Sprachdatei: Deutsch",
}


def write(lang, column):
    lines, section = [HEADERS[lang]], None
    for sec, key, *texts in TEXTS:
        if sec != section:
            lines += ["", "[%s]" % sec]
            section = sec
        lines.append("%s=%s" % (key, texts[column]))
    here = os.path.dirname(os.path.abspath(__file__))
    path = os.path.join(here, "..", "..", "data", "LScripts", lang + ".lng")
    with open(path, "wb") as f:
        f.write(("\r\n".join(lines) + "\r\n").encode("utf-8"))


write("English", 0)
write("German", 1)
