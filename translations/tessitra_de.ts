<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>BackUpController</name>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>%1: File not found.</source>
        <translation>%1: Datei nicht gefunden.</translation>
    </message>
    <message>
        <source>%1 is cut short or damaged.</source>
        <translation>%1 ist unvollständig oder beschädigt.</translation>
    </message>
    <message>
        <source>%1 is not a back-up file.</source>
        <translation>%1 ist keine Backup-Datei.</translation>
    </message>
    <message>
        <source>Open Back-Up</source>
        <translation>Backup öffnen</translation>
    </message>
    <message>
        <source>not compared</source>
        <translation>nicht verglichen</translation>
    </message>
    <message>
        <source>same</source>
        <translation>gleich</translation>
    </message>
    <message>
        <source>other settings</source>
        <translation>andere Einstellungen</translation>
    </message>
    <message>
        <source>renamed</source>
        <translation>umbenannt</translation>
    </message>
    <message>
        <source>changed</source>
        <translation>geändert</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>fehlt</translation>
    </message>
    <message>
        <source>Compared with %1, taken %2</source>
        <translation>Verglichen mit %1 vom %2</translation>
    </message>
    <message>
        <source>Compared with the unit, settings included.</source>
        <translation>Mit dem Gerät verglichen, einschließlich der Einstellungen.</translation>
    </message>
    <message>
        <source>same name</source>
        <translation>gleicher Name</translation>
    </message>
    <message>
        <source>Compared with the unit by names and set lists; Compare settings reads its presets once.</source>
        <translation>Mit dem Gerät nach Namen und Setlists verglichen; „Einstellungen vergleichen“ liest dazu einmal die Presets des Geräts.</translation>
    </message>
    <message>
        <source>Not compared: the unit connected is of another model.</source>
        <translation>Nicht verglichen: Das angeschlossene Gerät ist ein anderes Modell.</translation>
    </message>
    <message>
        <source>Not compared: no unit is connected.</source>
        <translation>Nicht verglichen: Es ist kein Gerät angeschlossen.</translation>
    </message>
    <message>
        <source>Compare Settings</source>
        <translation>Einstellungen vergleichen</translation>
    </message>
    <message>
        <source>Reading the presets of the unit...</source>
        <translation>Presets des Geräts werden gelesen...</translation>
    </message>
    <message>
        <source>Compare With</source>
        <translation>Vergleichen mit</translation>
    </message>
    <message>
        <source>BACKUP(*.%1)</source>
        <translation>Backup-Dateien (*.%1)</translation>
    </message>
    <message>
        <source>%1 and %2 are back-ups of different models.</source>
        <translation>%1 und %2 sind Backups verschiedener Modelle.</translation>
    </message>
    <message>
        <source>the favourites</source>
        <translation>Favoriten</translation>
    </message>
    <message>
        <source>set list %1</source>
        <translation>Setlist %1</translation>
    </message>
    <message>
        <source>the system parameters</source>
        <translation>Systemparameter</translation>
    </message>
    <message>
        <source>Restore Selected</source>
        <translation>Auswahl wiederherstellen</translation>
    </message>
    <message>
        <source>What the unit holds in %1 will be replaced by what %2 holds there; everything else stays as it is.</source>
        <translation>Im Gerät wird Folgendes durch den Stand aus %2 ersetzt: %1. Alles andere bleibt unverändert.</translation>
    </message>
    <message>
        <source>Do you want to put them back?</source>
        <translation>Möchten Sie den Stand aus dem Backup zurückholen?</translation>
    </message>
    <message>
        <source>Restoring...</source>
        <translation>Wird wiederhergestellt...</translation>
    </message>
    <message>
        <source>Load Presets</source>
        <translation>Presets laden</translation>
    </message>
    <message>
        <source>%1 is not a back-up of the unit connected&apos;s model. Nothing was changed.</source>
        <translation>%1 ist kein Backup für das Modell des angeschlossenen Geräts. Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>Do you want to overwrite the presets?</source>
        <translation>Möchten Sie die Presets überschreiben?</translation>
    </message>
    <message>
        <source>Do you want to overwrite the presets &lt;b&gt;%1&lt;/b&gt; with &lt;b&gt;%2&lt;/b&gt; from &lt;b&gt;%3&lt;/b&gt;?</source>
        <translation>Möchten Sie die Presets &lt;b&gt;%1&lt;/b&gt; mit &lt;b&gt;%2&lt;/b&gt; aus &lt;b&gt;%3&lt;/b&gt; überschreiben?</translation>
    </message>
    <message>
        <source>Load Preset</source>
        <translation>Preset laden</translation>
    </message>
    <message>
        <source>Loading presets.</source>
        <translation>Presets werden geladen.</translation>
    </message>
</context>
<context>
    <name>BackUpView</name>
    <message>
        <source>Favorites</source>
        <translation>Favoriten</translation>
    </message>
    <message>
        <source>Set List %1</source>
        <translation>Setlist %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Close the back-up beside the unit</source>
        <translation>Das Backup neben dem Gerät schließen</translation>
    </message>
    <message>
        <source>Compare settings</source>
        <translation>Einstellungen vergleichen</translation>
    </message>
    <message>
        <source>Read the presets of the unit once to compare their settings too</source>
        <translation>Die Presets des Geräts einmal lesen, um auch ihre Einstellungen zu vergleichen</translation>
    </message>
    <message>
        <source>Compare with...</source>
        <translation>Vergleichen mit...</translation>
    </message>
    <message>
        <source>Compare with another back-up instead of the unit</source>
        <translation>Mit einem anderen Backup statt mit dem Gerät vergleichen</translation>
    </message>
    <message>
        <source>Compare with the unit</source>
        <translation>Mit dem Gerät vergleichen</translation>
    </message>
    <message>
        <source>Compare with the unit again</source>
        <translation>Wieder mit dem Gerät vergleichen</translation>
    </message>
    <message>
        <source>Only differences</source>
        <translation>Nur Unterschiede</translation>
    </message>
    <message>
        <source>Show only the entries that differ</source>
        <translation>Nur die abweichenden Einträge anzeigen</translation>
    </message>
    <message>
        <source>Back-up entries</source>
        <translation>Backup-Einträge</translation>
    </message>
    <message>
        <source>Drag presets onto the user presets to put them back</source>
        <translation>Presets zum Zurückholen auf die User-Presets ziehen</translation>
    </message>
    <message>
        <source>Entry</source>
        <translation>Eintrag</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>Vergleich</translation>
    </message>
    <message>
        <source>Drag presets onto the user presets to put them back.</source>
        <translation>Presets zum Zurückholen auf die User-Presets ziehen.</translation>
    </message>
    <message>
        <source>Restore selected...</source>
        <translation>Auswahl wiederherstellen...</translation>
    </message>
    <message>
        <source>Put back the chosen presets, set lists or system parameters</source>
        <translation>Die ausgewählten Presets, Setlists oder Systemparameter zurückholen</translation>
    </message>
    <message>
        <source>Taken %1</source>
        <translation>Erstellt am %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>not in this back-up</source>
        <translation>nicht in diesem Backup</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leer</translation>
    </message>
    <message>
        <source>System parameters: held</source>
        <translation>Systemparameter: enthalten</translation>
    </message>
    <message>
        <source>System parameters: not in this back-up</source>
        <translation>Systemparameter: nicht in diesem Backup</translation>
    </message>
    <message>
        <source>not compared</source>
        <translation>nicht verglichen</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
</context>
<context>
    <name>CFirmwareUpdate</name>
    <message>
        <source>Check the internet connection, or try again later.</source>
        <translation>Prüfen Sie die Internetverbindung oder versuchen Sie es später erneut.</translation>
    </message>
</context>
<context>
    <name>CSettingsDlg</name>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>Firmware Update</source>
        <translation>Firmware-Update</translation>
    </message>
    <message>
        <source>Checking for firmware update...</source>
        <translation>Suche nach Firmware-Update...</translation>
    </message>
    <message>
        <source>Application Update</source>
        <translation>Programm-Update</translation>
    </message>
    <message>
        <source>Checking for application update...</source>
        <translation>Suche nach Programm-Update...</translation>
    </message>
    <message>
        <source>Factory Preset Update</source>
        <translation>Werks-Presets aktualisieren</translation>
    </message>
    <message>
        <source>All %1 factory presets of the unit will be replaced by those in FactoryPresets.dat.</source>
        <translation>Alle %1 Werks-Presets des Geräts werden durch die aus FactoryPresets.dat ersetzt.</translation>
    </message>
    <message>
        <source>Do you want to rewrite the factory presets?</source>
        <translation>Möchten Sie die Werks-Presets neu schreiben?</translation>
    </message>
    <message>
        <source>Updating factory presets...</source>
        <translation>Werks-Presets werden aktualisiert...</translation>
    </message>
    <message>
        <source>Preferences were modified?</source>
        <translation>Einstellungen geändert?</translation>
    </message>
    <message>
        <source>Changes were made to the Preferences. Do you wish to keep these changes?</source>
        <translation>Die Einstellungen wurden geändert. Möchten Sie die Änderungen behalten?</translation>
    </message>
</context>
<context>
    <name>CSplashScreen</name>
    <message>
        <source>About Tessitra Stage Librarian</source>
        <translation>Über Tessitra Stage Librarian</translation>
    </message>
</context>
<context>
    <name>ContentWidget</name>
    <message>
        <source>Load Presets</source>
        <translation>Presets laden</translation>
    </message>
    <message>
        <source>Do you want to overwrite the presets?</source>
        <translation>Möchten Sie die Presets überschreiben?</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation>Favoriten</translation>
    </message>
    <message>
        <source>Set List A</source>
        <translation>Setlist A</translation>
    </message>
    <message>
        <source>Set List B</source>
        <translation>Setlist B</translation>
    </message>
    <message>
        <source>Set List C</source>
        <translation>Setlist C</translation>
    </message>
    <message>
        <source>Set List D</source>
        <translation>Setlist D</translation>
    </message>
    <message>
        <source>%1: empty</source>
        <translation>%1: leer</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>User preset</source>
        <translation>User-Preset</translation>
    </message>
    <message>
        <source>Factory preset</source>
        <translation>Werks-Preset</translation>
    </message>
    <message>
        <source>Slot of %1</source>
        <translation>Speicherplatz in %1</translation>
    </message>
    <message>
        <source>Save to computer...</source>
        <translation>Auf Computer speichern...</translation>
    </message>
    <message>
        <source>Load preset...</source>
        <translation>Preset laden...</translation>
    </message>
    <message>
        <source>Rename...</source>
        <translation>Umbenennen...</translation>
    </message>
    <message>
        <source>Remove...</source>
        <translation>Entfernen...</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Paste...</source>
        <translation>Einfügen...</translation>
    </message>
    <message>
        <source>Rename %1</source>
        <translation>%1 umbenennen</translation>
    </message>
    <message>
        <source>Preset Name</source>
        <translation>Preset-Name</translation>
    </message>
    <message>
        <source>%1: at most %2 characters</source>
        <translation>%1: höchstens %2 Zeichen</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <source>Renaming Preset...</source>
        <translation>Preset wird umbenannt...</translation>
    </message>
    <message>
        <source>Do you want to remove selected preset(s) from set list?</source>
        <translation>Möchten Sie die ausgewählten Presets aus der Setlist entfernen?</translation>
    </message>
    <message>
        <source>Editing Set List</source>
        <translation>Setlist bearbeiten</translation>
    </message>
    <message>
        <source>Removing preset(s) from Set List.</source>
        <translation>Presets werden aus der Setlist entfernt.</translation>
    </message>
    <message>
        <source>Choose Directory</source>
        <translation>Ordner wählen</translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation>Bestätigung</translation>
    </message>
    <message>
        <source>%1 file already exists, do you want to overwrite?</source>
        <translation>Die Datei %1 existiert bereits. Möchten Sie sie überschreiben?</translation>
    </message>
    <message>
        <source>Save Presets</source>
        <translation>Presets speichern</translation>
    </message>
    <message>
        <source>Savings presets...</source>
        <translation>Presets werden gespeichert...</translation>
    </message>
    <message>
        <source>Preset(*%1)</source>
        <comment>file type in the file dialog</comment>
        <translation>Preset-Dateien (*%1)</translation>
    </message>
    <message>
        <source>Select Files</source>
        <translation>Dateien auswählen</translation>
    </message>
    <message>
        <source>Do you want to overwrite the presets &lt;b&gt;%1&lt;/b&gt;
with
&lt;b&gt;%2&lt;/b&gt;?</source>
        <translation>Möchten Sie die Presets &lt;b&gt;%1&lt;/b&gt;
mit
&lt;b&gt;%2&lt;/b&gt; überschreiben?</translation>
    </message>
    <message>
        <source>Load Preset</source>
        <translation>Preset laden</translation>
    </message>
    <message>
        <source>Loading presets.</source>
        <translation>Presets werden geladen.</translation>
    </message>
    <message>
        <source>Do you want to overwrite the presets &lt;b&gt;%1&lt;/b&gt; with &lt;b&gt;%2&lt;/b&gt;?</source>
        <translation>Möchten Sie die Presets &lt;b&gt;%1&lt;/b&gt; mit &lt;b&gt;%2&lt;/b&gt; überschreiben?</translation>
    </message>
    <message>
        <source>Do you want to edit &lt;b&gt;%1&lt;/b&gt;?</source>
        <translation>Möchten Sie &lt;b&gt;%1&lt;/b&gt; bearbeiten?</translation>
    </message>
    <message>
        <source>Adding preset(s) to Set List.</source>
        <translation>Presets werden zur Setlist hinzugefügt.</translation>
    </message>
    <message>
        <source>Find in back-ups...</source>
        <translation>In Backups suchen...</translation>
    </message>
    <message>
        <source>%1: at most %2 characters; the unit cannot store %3</source>
        <translation>%1: höchstens %2 Zeichen; das Gerät kann %3 nicht speichern</translation>
    </message>
</context>
<context>
    <name>DeviceManagerThread</name>
    <message>
        <source>%1, serial number %2</source>
        <translation>%1, Seriennummer %2</translation>
    </message>
    <message>
        <source>Stopped. The lists show only what was read until then.</source>
        <translation>Abgebrochen. Die Listen zeigen nur, was bis dahin gelesen wurde.</translation>
    </message>
    <message>
        <source>Stopped. %1 of %2 presets were saved to files.</source>
        <translation>Abgebrochen. %1 von %2 Presets wurden in Dateien gespeichert.</translation>
    </message>
    <message>
        <source>Stopped. The back-up file was not written.</source>
        <translation>Abgebrochen. Die Backup-Datei wurde nicht geschrieben.</translation>
    </message>
    <message>
        <source>Reading the presets, set lists and system parameters of the unit...</source>
        <translation>Presets, Setlists und Systemparameter des Geräts werden gelesen...</translation>
    </message>
    <message>
        <source>Stopped. Nothing was compared.</source>
        <translation>Abgebrochen. Es wurde nichts verglichen.</translation>
    </message>
    <message>
        <source>Failed to read the presets of the unit.</source>
        <translation>Die Presets des Geräts konnten nicht gelesen werden.</translation>
    </message>
</context>
<context>
    <name>FindBackUpsDlg</name>
    <message>
        <source>Find in Back-ups</source>
        <translation>In Backups suchen</translation>
    </message>
    <message>
        <source>Looking through the back-ups and preset files...</source>
        <translation>Backups und Preset-Dateien werden durchsucht...</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Slot</source>
        <translation>Speicherplatz</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Back-ups and preset files found</source>
        <translation>Gefundene Backups und Preset-Dateien</translation>
    </message>
    <message>
        <source>Enter opens the file at the chosen preset</source>
        <translation>Die Eingabetaste öffnet die Datei beim gewählten Preset</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Open the chosen file at its preset</source>
        <translation>Die gewählte Datei bei ihrem Preset öffnen</translation>
    </message>
    <message>
        <source>No back-up or preset file holds a preset named like &quot;%1&quot; or with the same settings.</source>
        <translation>Kein Backup und keine Preset-Datei enthält ein Preset mit „%1“ im Namen oder mit denselben Einstellungen.</translation>
    </message>
    <message>
        <source>No back-up or preset file holds a preset named like &quot;%1&quot;.</source>
        <translation>Kein Backup und keine Preset-Datei enthält ein Preset mit „%1“ im Namen.</translation>
    </message>
    <message>
        <source>No back-up or preset file holds a preset with the same settings.</source>
        <translation>Kein Backup und keine Preset-Datei enthält ein Preset mit denselben Einstellungen.</translation>
    </message>
    <message>
        <source>Presets named like &quot;%1&quot; or with the same settings, newest file first:</source>
        <translation>Presets mit „%1“ im Namen oder mit denselben Einstellungen, neueste Datei zuerst:</translation>
    </message>
    <message>
        <source>Presets named like &quot;%1&quot;, newest file first:</source>
        <translation>Presets mit „%1“ im Namen, neueste Datei zuerst:</translation>
    </message>
    <message>
        <source>Presets with the same settings, newest file first:</source>
        <translation>Presets mit denselben Einstellungen, neueste Datei zuerst:</translation>
    </message>
    <message>
        <source>preset file</source>
        <translation>Preset-Datei</translation>
    </message>
    <message>
        <source>same settings</source>
        <translation>gleiche Einstellungen</translation>
    </message>
    <message>
        <source>no name</source>
        <translation>kein Name</translation>
    </message>
    <message>
        <source>other settings</source>
        <translation>andere Einstellungen</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Tessitra Stage Librarian</source>
        <translation>Tessitra Stage Librarian</translation>
    </message>
    <message>
        <source>Failed to load initialization file. Reinstall the application to fix the problem.</source>
        <translation>Die Initialisierungsdatei konnte nicht geladen werden. Installieren Sie das Programm neu, um das Problem zu beheben.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Loading...&lt;/b&gt;</source>
        <translation>&lt;b&gt;Wird geladen...&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Verbunden</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Nicht verbunden</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>&amp;About Tessitra Stage Librarian</source>
        <translation>&amp;Über Tessitra Stage Librarian</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Undo: %1</source>
        <translation>Rückgängig: %1</translation>
    </message>
    <message>
        <source>Redo: %1</source>
        <translation>Wiederholen: %1</translation>
    </message>
    <message>
        <source>The manual could not be opened. It is at %1.</source>
        <translation>Das Handbuch konnte nicht geöffnet werden. Sie finden es unter %1.</translation>
    </message>
    <message>
        <source>%1, build %2</source>
        <translation>%1, Build %2</translation>
    </message>
    <message>
        <source>Choose Folder</source>
        <translation>Ordner wählen</translation>
    </message>
    <message>
        <source>Reading presets...</source>
        <translation>Presets werden gelesen...</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Neu laden</translation>
    </message>
    <message>
        <source>Unplug one of them; the librarian connects to the one left.</source>
        <translation>Trennen Sie eines der Geräte; das Programm verbindet sich dann mit dem verbleibenden.</translation>
    </message>
    <message>
        <source>Multiple Device</source>
        <translation>Mehrere Geräte</translation>
    </message>
    <message>
        <source>Exit App</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>The unit is in use by the tessitra command line; the librarian connects when it is free.</source>
        <translation>Das Gerät wird gerade von der tessitra-Befehlszeile verwendet; das Programm verbindet sich, sobald es frei ist.</translation>
    </message>
    <message>
        <source>Connect your Stage Ariette or Stage Cadenzo over USB</source>
        <translation>Schließen Sie Ihr Stage Ariette oder Stage Cadenzo über USB an</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Datei speichern</translation>
    </message>
    <message>
        <source>BACKUP(*%1)</source>
        <comment>file type in the file dialog</comment>
        <translation>Backup-Dateien (*%1)</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 existiert bereits.
Möchten Sie die Datei ersetzen?</translation>
    </message>
    <message>
        <source>Back Up</source>
        <translation>Sichern</translation>
    </message>
    <message>
        <source>Backing up presets...</source>
        <translation>Presets werden gesichert...</translation>
    </message>
    <message>
        <source>Select File</source>
        <translation>Datei auswählen</translation>
    </message>
    <message>
        <source>All %1 user presets, the favourites, set lists A to D and the system parameters of the unit will be replaced by those in %2.</source>
        <translation>Alle %1 User-Presets, die Favoriten, die Setlists A bis D und die Systemparameter des Geräts werden durch die aus %2 ersetzt.</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Do you want to restore this back-up?</source>
        <translation>Möchten Sie dieses Backup wiederherstellen?</translation>
    </message>
    <message>
        <source>Restoring presets...</source>
        <translation>Presets werden wiederhergestellt...</translation>
    </message>
    <message>
        <source>Binary(*.bin *.ldr)</source>
        <comment>file type in the file dialog</comment>
        <translation>Firmware-Dateien (*.bin *.ldr)</translation>
    </message>
    <message>
        <source>The DSP firmware of the unit (%1) will be replaced by the one in %2.</source>
        <translation>Die DSP-Firmware des Geräts (%1) wird durch die aus %2 ersetzt.</translation>
    </message>
    <message>
        <source>The microcontroller firmware of the unit (%1) will be replaced by the one in %2.</source>
        <translation>Die Mikrocontroller-Firmware des Geräts (%1) wird durch die aus %2 ersetzt.</translation>
    </message>
    <message>
        <source>Firmware Update</source>
        <translation>Firmware-Update</translation>
    </message>
    <message>
        <source>Do you want to write this firmware?</source>
        <translation>Möchten Sie diese Firmware aufspielen?</translation>
    </message>
    <message>
        <source>Updating firmware...</source>
        <translation>Firmware wird aktualisiert...</translation>
    </message>
    <message>
        <source>Application Update</source>
        <translation>Programm-Update</translation>
    </message>
    <message>
        <source>New application version available.
Current: %1
New: %2
Do you want to download and update?</source>
        <translation>Neue Programmversion verfügbar.
Aktuell: %1
Neu: %2
Möchten Sie sie herunterladen und installieren?</translation>
    </message>
    <message>
        <source>Downloading application...</source>
        <translation>Programm wird heruntergeladen...</translation>
    </message>
    <message>
        <source>New firmware version available.
Current: %1, %2
New: %3, %4
Do you want to update?</source>
        <translation>Neue Firmware-Version verfügbar.
Aktuell: %1, %2
Neu: %3, %4
Möchten Sie die Firmware aktualisieren?</translation>
    </message>
    <message>
        <source>New firmware version available.
Current: %1
New: %2
Do you want to update?</source>
        <translation>Neue Firmware-Version verfügbar.
Aktuell: %1
Neu: %2
Möchten Sie die Firmware aktualisieren?</translation>
    </message>
    <message>
        <source>Downloading firmware...</source>
        <translation>Firmware wird heruntergeladen...</translation>
    </message>
    <message>
        <source>Do you want to close the application and install the new version?</source>
        <translation>Möchten Sie das Programm schließen und die neue Version installieren?</translation>
    </message>
    <message>
        <source>Factory Presets</source>
        <translation>Werks-Presets</translation>
    </message>
    <message>
        <source>The unit answers again. Its factory bank from before the rewrite that stopped is kept in &quot;%1&quot;.</source>
        <translation>Das Gerät antwortet wieder. Seine Werksbank von vor dem abgebrochenen Neuschreiben ist in „%1“ gesichert.</translation>
    </message>
    <message>
        <source>Put the factory presets from before back?</source>
        <translation>Die vorherigen Werks-Presets zurückschreiben?</translation>
    </message>
    <message>
        <source>updating factory presets...</source>
        <translation>Werks-Presets werden aktualisiert...</translation>
    </message>
    <message>
        <source>Restore the state from before?</source>
        <translation>Den vorherigen Zustand wiederherstellen?</translation>
    </message>
    <message>
        <source>The unit answers again. The automatic back-up &quot;%1&quot; holds its user presets, set lists and system parameters from before the operation that stopped.</source>
        <translation>Das Gerät antwortet wieder. Das automatische Backup „%1“ enthält seine User-Presets, Setlists und Systemparameter von vor dem abgebrochenen Vorgang.</translation>
    </message>
    <message>
        <source>Put back the state from before</source>
        <translation>Vorherigen Zustand zurückholen</translation>
    </message>
    <message>
        <source>Restore the back-up again</source>
        <translation>Backup erneut wiederherstellen</translation>
    </message>
    <message>
        <source>The unit holds a mix of old and restored presets until it is restored or refreshed.</source>
        <translation>Bis zur nächsten Wiederherstellung oder zum Neuladen enthält das Gerät eine Mischung aus alten und wiederhergestellten Presets.</translation>
    </message>
    <message>
        <source>Nothing was undone.</source>
        <translation>Es wurde nichts rückgängig gemacht.</translation>
    </message>
    <message>
        <source>Writing the overwritten presets back...</source>
        <translation>Überschriebene Presets werden zurückgeschrieben...</translation>
    </message>
    <message>
        <source>Network Authentication</source>
        <translation>Netzwerk-Anmeldung</translation>
    </message>
    <message>
        <source>&lt;b&gt;%1&lt;/b&gt; asks for &quot;%2&quot;.</source>
        <translation>&lt;b&gt;%1&lt;/b&gt; fragt nach „%2“.</translation>
    </message>
    <message>
        <source>&lt;b&gt;User Name:&lt;/b&gt;</source>
        <translation>&lt;b&gt;Benutzername:&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Password:&lt;/b&gt;</source>
        <translation>&lt;b&gt;Passwort:&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Proxy %1</source>
        <translation>Proxy %1</translation>
    </message>
    <message>
        <source>The server</source>
        <translation>Der Server</translation>
    </message>
    <message>
        <source>%1
EMPTY</source>
        <comment>an empty set-list slot: A01</comment>
        <translation>%1
LEER</translation>
    </message>
    <message>
        <source>Check for firmware update...</source>
        <translation>Nach Firmware-Update suchen...</translation>
    </message>
    <message>
        <source>Checking for updates...</source>
        <translation>Suche nach Updates...</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Refresh presets&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Presets neu laden&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Update Firmware&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Firmware aktualisieren&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Settings&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Einstellungen&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Help&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Hilfe&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Browse&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Durchsuchen&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Up one folder&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Übergeordneter Ordner&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>File System</source>
        <translation>Dateien</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation>Favoriten</translation>
    </message>
    <message>
        <source>Set List A</source>
        <translation>Setlist A</translation>
    </message>
    <message>
        <source>Set List B</source>
        <translation>Setlist B</translation>
    </message>
    <message>
        <source>Set List C</source>
        <translation>Setlist C</translation>
    </message>
    <message>
        <source>Set List D</source>
        <translation>Setlist D</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Back up user presets from device.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;User-Presets des Geräts sichern.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Button will back up all presets from device to a file in computer.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Sichert alle Presets des Geräts in eine Datei auf dem Computer.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;&lt;Back Up</source>
        <translation>&lt;&lt;Sichern</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Load user presets to device from a backed up file.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;User-Presets aus einer Backup-Datei ins Gerät laden.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Button will load the presets from a backed up file.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Lädt die Presets aus einer Backup-Datei.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Restore&gt;&gt;</source>
        <translation>Einspielen&gt;&gt;</translation>
    </message>
    <message>
        <source>Read the presets from the unit again</source>
        <translation>Presets erneut vom Gerät lesen</translation>
    </message>
    <message>
        <source>Update Firmware</source>
        <translation>Firmware aktualisieren</translation>
    </message>
    <message>
        <source>Write new firmware from a file into the unit</source>
        <translation>Neue Firmware aus einer Datei auf das Gerät aufspielen</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Update checks, safety and language</source>
        <translation>Update-Suche, Sicherheit und Sprache</translation>
    </message>
    <message>
        <source>The manual and the About box</source>
        <translation>Handbuch und Programminfo</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Durchsuchen</translation>
    </message>
    <message>
        <source>Choose the folder the file list shows</source>
        <translation>Ordner für die Dateiliste wählen</translation>
    </message>
    <message>
        <source>Up one folder</source>
        <translation>Übergeordneter Ordner</translation>
    </message>
    <message>
        <source>Show the folder above this one</source>
        <translation>Den übergeordneten Ordner anzeigen</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Type a folder and press Enter to show it</source>
        <translation>Ordner eingeben und mit der Eingabetaste anzeigen</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Preset files</source>
        <translation>Preset-Dateien</translation>
    </message>
    <message>
        <source>Drag preset files onto the user presets to load them</source>
        <translation>Preset-Dateien zum Laden auf die User-Presets ziehen</translation>
    </message>
    <message>
        <source>User presets</source>
        <translation>User-Presets</translation>
    </message>
    <message>
        <source>Factory presets</source>
        <translation>Werks-Presets</translation>
    </message>
    <message>
        <source>Back up the presets, set lists and settings of the unit to a file</source>
        <translation>Presets, Setlists und Einstellungen des Geräts in eine Datei sichern</translation>
    </message>
    <message>
        <source>Load a back-up file into the unit</source>
        <translation>Eine Backup-Datei ins Gerät einspielen</translation>
    </message>
    <message>
        <source>Overwrite it anyway?</source>
        <translation>Trotzdem überschreiben?</translation>
    </message>
    <message>
        <source>Open beside the unit</source>
        <translation>Neben dem Gerät öffnen</translation>
    </message>
    <message>
        <source>Find a preset by name (Ctrl+F)</source>
        <translation>Preset nach Namen suchen (Strg+F)</translation>
    </message>
    <message>
        <source>Find presets</source>
        <translation>Presets suchen</translation>
    </message>
    <message>
        <source>Shows only the user and factory presets whose name holds this text</source>
        <translation>Zeigt nur die User- und Werks-Presets, deren Name diesen Text enthält</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Show every preset again</source>
        <translation>Wieder alle Presets anzeigen</translation>
    </message>
    <message>
        <source>Find in back-ups...</source>
        <translation>In Backups suchen...</translation>
    </message>
    <message>
        <source>Find in back-ups</source>
        <translation>In Backups suchen</translation>
    </message>
    <message>
        <source>List the back-ups and preset files that hold a preset of this name</source>
        <translation>Die Backups und Preset-Dateien auflisten, die ein Preset dieses Namens enthalten</translation>
    </message>
    <message>
        <source>Factory Presets</source>
        <comment>tab</comment>
        <translation>Werks-Presets</translation>
    </message>
</context>
<context>
    <name>OperationPlan</name>
    <message>
        <source>Reading the factory presets %1 of %2</source>
        <translation>Werks-Presets werden gelesen: %1 von %2</translation>
    </message>
    <message>
        <source>Reading the factory presets</source>
        <translation>Werks-Presets werden gelesen</translation>
    </message>
    <message>
        <source>Reading preset names %1 of %2</source>
        <translation>Preset-Namen werden gelesen: %1 von %2</translation>
    </message>
    <message>
        <source>Reading preset names</source>
        <translation>Preset-Namen werden gelesen</translation>
    </message>
    <message>
        <source>Reading set lists</source>
        <translation>Setlists werden gelesen</translation>
    </message>
    <message>
        <source>Backing up the unit first: preset %1 of %2</source>
        <translation>Zuerst wird das Gerät gesichert: Preset %1 von %2</translation>
    </message>
    <message>
        <source>Backing up the unit first</source>
        <translation>Zuerst wird das Gerät gesichert</translation>
    </message>
    <message>
        <source>Keeping the factory presets first: %1 of %2</source>
        <translation>Zuerst werden die Werks-Presets gesichert: %1 von %2</translation>
    </message>
    <message>
        <source>Keeping the factory presets first</source>
        <translation>Zuerst werden die Werks-Presets gesichert</translation>
    </message>
    <message>
        <source>Backing up presets %1 of %2</source>
        <translation>Presets werden gesichert: %1 von %2</translation>
    </message>
    <message>
        <source>Backing up set lists and system parameters</source>
        <translation>Setlists und Systemparameter werden gesichert</translation>
    </message>
    <message>
        <source>Saving presets %1 of %2</source>
        <translation>Presets werden gespeichert: %1 von %2</translation>
    </message>
    <message>
        <source>Saving presets</source>
        <translation>Presets werden gespeichert</translation>
    </message>
    <message>
        <source>Keeping what is overwritten, for Undo</source>
        <translation>Überschriebenes wird für „Rückgängig“ aufbewahrt</translation>
    </message>
    <message>
        <source>Writing presets %1 of %2</source>
        <translation>Presets werden geschrieben: %1 von %2</translation>
    </message>
    <message>
        <source>Writing presets</source>
        <translation>Presets werden geschrieben</translation>
    </message>
    <message>
        <source>The unit is storing the presets</source>
        <translation>Das Gerät speichert die Presets</translation>
    </message>
    <message>
        <source>Checking what was written %1 of %2</source>
        <translation>Geschriebenes wird geprüft: %1 von %2</translation>
    </message>
    <message>
        <source>Checking what was written</source>
        <translation>Geschriebenes wird geprüft</translation>
    </message>
    <message>
        <source>Writing set lists %1 of %2</source>
        <translation>Setlists werden geschrieben: %1 von %2</translation>
    </message>
    <message>
        <source>Writing set lists</source>
        <translation>Setlists werden geschrieben</translation>
    </message>
    <message>
        <source>Writing the system parameters</source>
        <translation>Systemparameter werden geschrieben</translation>
    </message>
    <message>
        <source>Writing the firmware</source>
        <translation>Firmware wird aufgespielt</translation>
    </message>
    <message>
        <source>almost done</source>
        <translation>fast fertig</translation>
    </message>
    <message>
        <source>about %1 s left</source>
        <extracomment>Time left of an operation, in seconds</extracomment>
        <translation>noch etwa %1 s</translation>
    </message>
    <message>
        <source>about %1 min left</source>
        <extracomment>Time left of an operation, in minutes</extracomment>
        <translation>noch etwa %1 min</translation>
    </message>
    <message>
        <source>about %1 min %2 s left</source>
        <extracomment>Time left of an operation: %1 minutes and %2 seconds</extracomment>
        <translation>noch etwa %1 min %2 s</translation>
    </message>
    <message>
        <source>This takes a few seconds.</source>
        <translation>Das dauert einige Sekunden.</translation>
    </message>
    <message>
        <source>This takes about %1 seconds.</source>
        <translation>Das dauert etwa %1 Sekunden.</translation>
    </message>
    <message>
        <source>This takes about a minute.</source>
        <translation>Das dauert etwa eine Minute.</translation>
    </message>
    <message>
        <source>This takes about %1 minutes.</source>
        <translation>Das dauert etwa %1 Minuten.</translation>
    </message>
    <message>
        <source>Reading presets %1 of %2</source>
        <translation>Presets werden gelesen: %1 von %2</translation>
    </message>
    <message>
        <source>Reading set lists and system parameters</source>
        <translation>Setlists und Systemparameter werden gelesen</translation>
    </message>
</context>
<context>
    <name>PresetButton</name>
    <message>
        <source>Select preset(s) to drag</source>
        <translation>Presets zum Ziehen auswählen</translation>
    </message>
</context>
<context>
    <name>ProgressDialog</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>This cannot be stopped safely.</source>
        <translation>Das lässt sich nicht sicher abbrechen.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Stopping...</source>
        <translation>Wird abgebrochen...</translation>
    </message>
</context>
<context>
    <name>RestoreSelectedDlg</name>
    <message>
        <source>Restore Selected</source>
        <translation>Auswahl wiederherstellen</translation>
    </message>
    <message>
        <source>Choose what to put back from %1. Only what is chosen is written; everything else on the unit stays as it is.</source>
        <translation>Wählen Sie, was aus %1 zurückgeholt werden soll. Nur das Gewählte wird geschrieben; alles andere im Gerät bleibt unverändert.</translation>
    </message>
    <message>
        <source>&amp;User presets</source>
        <translation>&amp;User-Presets</translation>
    </message>
    <message>
        <source>User presets to put back</source>
        <translation>Zurückzuholende User-Presets</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation>Favoriten</translation>
    </message>
    <message>
        <source>Set List %1</source>
        <translation>Setlist %1</translation>
    </message>
    <message>
        <source>System parameters (the unit is backed up first)</source>
        <translation>Systemparameter (das Gerät wird vorher gesichert)</translation>
    </message>
    <message>
        <source>System parameters (not in this back-up)</source>
        <translation>Systemparameter (nicht in diesem Backup)</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
</context>
<context>
    <name>settingsDialog</name>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Interface</source>
        <translation>Oberfläche</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Sprache:</translation>
    </message>
    <message>
        <source>Select language</source>
        <translation>Sprache auswählen</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>The language changes when the librarian starts again.</source>
        <translation>Die neue Sprache gilt ab dem nächsten Programmstart.</translation>
    </message>
    <message>
        <source>Check for Firmware Update</source>
        <translation>Nach Firmware-Updates suchen</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>On Startup</source>
        <translation>Beim Start</translation>
    </message>
    <message>
        <source>Once a Month</source>
        <translation>Monatlich</translation>
    </message>
    <message>
        <source>Ask the update server for newer firmware for the unit now</source>
        <translation>Jetzt beim Update-Server nach neuerer Firmware für das Gerät fragen</translation>
    </message>
    <message>
        <source>Check Now</source>
        <translation>Jetzt prüfen</translation>
    </message>
    <message>
        <source>Check for Application Update</source>
        <translation>Nach Programm-Updates suchen</translation>
    </message>
    <message>
        <source>Ask the update server for a newer librarian now</source>
        <translation>Jetzt beim Update-Server nach einer neueren Programmversion fragen</translation>
    </message>
    <message>
        <source>Update Factory Presets</source>
        <translation>Werks-Presets aktualisieren</translation>
    </message>
    <message>
        <source>Rewrite the factory presets of the unit from FactoryPresets.dat</source>
        <translation>Die Werks-Presets des Geräts aus FactoryPresets.dat neu schreiben</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Safety</source>
        <translation>Sicherheit</translation>
    </message>
    <message>
        <source>Back up the unit before a restore, a factory rewrite or a firmware update</source>
        <translation>Gerät vor Wiederherstellung, Werks-Presets- oder Firmware-Update sichern</translation>
    </message>
    <message>
        <source>Verify every write by reading it back</source>
        <translation>Jeden Schreibvorgang durch Zurücklesen prüfen</translation>
    </message>
    <message>
        <source>Reset To Defaults</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>tessitra</name>
    <message>
        <source>Failed to communicate with device.</source>
        <translation>Die Kommunikation mit dem Gerät ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Device disconnected!</source>
        <translation>Die Verbindung zum Gerät wurde getrennt!</translation>
    </message>
    <message>
        <source>Multiple devices detected. Please connect only one device.</source>
        <translation>Mehrere Geräte erkannt. Bitte schließen Sie nur ein Gerät an.</translation>
    </message>
    <message>
        <source>Success.</source>
        <translation>Erfolgreich.</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Erfolgreich</translation>
    </message>
    <message>
        <source>Operation failed.</source>
        <translation>Vorgang fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Reading factory presets...</source>
        <translation>Werks-Presets werden gelesen...</translation>
    </message>
    <message>
        <source>Failed to read factory presets.</source>
        <translation>Die Werks-Presets konnten nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Reading user presets...</source>
        <translation>User-Presets werden gelesen...</translation>
    </message>
    <message>
        <source>Reading set lists...</source>
        <translation>Setlists werden gelesen...</translation>
    </message>
    <message>
        <source>Failed to read set lists.</source>
        <translation>Die Setlists konnten nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Saving &lt;b&gt;%1&lt;/b&gt;.</source>
        <translation>&lt;b&gt;%1&lt;/b&gt; wird gespeichert.</translation>
    </message>
    <message>
        <source>&lt;b&gt;%1&lt;/b&gt; was not saved; any earlier file of that name is unchanged.</source>
        <translation>&lt;b&gt;%1&lt;/b&gt; wurde nicht gespeichert; eine frühere Datei dieses Namens bleibt unverändert.</translation>
    </message>
    <message>
        <source>The file could not be written: the folder may be read-only or the disk full.</source>
        <translation>Die Datei konnte nicht geschrieben werden: Der Ordner ist eventuell schreibgeschützt oder der Datenträger voll.</translation>
    </message>
    <message>
        <source>Any earlier back-up of that name is unchanged.</source>
        <translation>Ein früheres Backup dieses Namens bleibt unverändert.</translation>
    </message>
    <message>
        <source>The factory preset file was damaged or made for another unit. It was set aside as %1 and is made again from the unit.</source>
        <translation>Die Werks-Preset-Datei war beschädigt oder für ein anderes Gerät bestimmt. Sie wurde als %1 beiseitegelegt und wird aus dem Gerät neu erstellt.</translation>
    </message>
    <message>
        <source>File not found.</source>
        <translation>Datei nicht gefunden.</translation>
    </message>
    <message>
        <source>File version mismatch.</source>
        <translation>Die Dateiversion passt nicht.</translation>
    </message>
    <message>
        <source>File data corrupted.</source>
        <translation>Die Dateidaten sind beschädigt.</translation>
    </message>
    <message>
        <source>File(s) not found.</source>
        <translation>Datei(en) nicht gefunden.</translation>
    </message>
    <message>
        <source>File(s) version mismatch.</source>
        <translation>Die Version der Datei(en) passt nicht.</translation>
    </message>
    <message>
        <source>File(s) data corrupted.</source>
        <translation>Die Daten der Datei(en) sind beschädigt.</translation>
    </message>
    <message>
        <source>Failed to load preset. Unknown error.</source>
        <translation>Das Preset konnte nicht geladen werden. Unbekannter Fehler.</translation>
    </message>
    <message>
        <source>Failed to load preset.</source>
        <translation>Das Preset konnte nicht geladen werden.</translation>
    </message>
    <message>
        <source>Backing up user presets and set lists...</source>
        <translation>User-Presets und Setlists werden gesichert...</translation>
    </message>
    <message>
        <source>Succesfully backed up user presets and set lists.</source>
        <translation>User-Presets und Setlists wurden erfolgreich gesichert.</translation>
    </message>
    <message>
        <source>Failed to backed up user presets and set lists.</source>
        <translation>User-Presets und Setlists konnten nicht gesichert werden.</translation>
    </message>
    <message>
        <source>Restoring user presets and set lists...</source>
        <translation>User-Presets und Setlists werden wiederhergestellt...</translation>
    </message>
    <message>
        <source>Succesfully restored user presets and set lists.</source>
        <translation>User-Presets und Setlists wurden erfolgreich wiederhergestellt.</translation>
    </message>
    <message>
        <source>Couldn&apos;t find a back up file.
Please back up first.</source>
        <translation>Keine Backup-Datei gefunden.
Bitte erstellen Sie zuerst ein Backup.</translation>
    </message>
    <message>
        <source>Failed to restore user presets and set lists.</source>
        <translation>User-Presets und Setlists konnten nicht wiederhergestellt werden.</translation>
    </message>
    <message>
        <source>Not allowed!</source>
        <translation>Nicht erlaubt!</translation>
    </message>
    <message>
        <source>updating factory presets...</source>
        <translation>Werks-Presets werden aktualisiert...</translation>
    </message>
    <message>
        <source>Please perform a factory reset of your device.</source>
        <translation>Bitte setzen Sie Ihr Gerät auf die Werkseinstellungen zurück.</translation>
    </message>
    <message>
        <source>Factory preset file not found. Please re-install the application.</source>
        <translation>Die Werks-Preset-Datei wurde nicht gefunden. Bitte installieren Sie das Programm neu.</translation>
    </message>
    <message>
        <source>Failed to update factory presets. Please try again.</source>
        <translation>Die Werks-Presets konnten nicht aktualisiert werden. Bitte versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Updating DSP Firmware.
Do not disconnect or power down the device.</source>
        <translation>DSP-Firmware wird aktualisiert.
Trennen Sie das Gerät nicht und schalten Sie es nicht aus.</translation>
    </message>
    <message>
        <source>Do not power down the device until the Tessitra display says:
&quot;Done - Cycle power now&quot;.</source>
        <translation>Schalten Sie das Gerät erst aus, wenn im Tessitra-Display Folgendes steht:
„Done - Cycle power now“.</translation>
    </message>
    <message>
        <source>Failed to update DSP Firmware.</source>
        <translation>Die DSP-Firmware konnte nicht aktualisiert werden.</translation>
    </message>
    <message>
        <source>Updating uP Firmware.
Do not disconnect or power down the device.</source>
        <extracomment>uP: the unit&apos;s microcontroller</extracomment>
        <translation>Mikrocontroller-Firmware wird aktualisiert.
Trennen Sie das Gerät nicht und schalten Sie es nicht aus.</translation>
    </message>
    <message>
        <source>Do not power down the device until  the Tessitra display says:
&quot;Done - Cycle power now&quot;.</source>
        <translation>Schalten Sie das Gerät erst aus, wenn im Tessitra-Display Folgendes steht:
„Done - Cycle power now“.</translation>
    </message>
    <message>
        <source>Failed to update uP Firmware.</source>
        <translation>Die Mikrocontroller-Firmware konnte nicht aktualisiert werden.</translation>
    </message>
    <message>
        <source>The unit was found but this user may not open it. Install the udev rule that comes with the librarian (the tessitra-stage-librarian package installs it), or reconnect the unit if the rule is already installed.</source>
        <translation>Das Gerät wurde gefunden, aber dieser Benutzer darf es nicht öffnen. Installieren Sie die udev-Regel, die dem Programm beiliegt (das Paket tessitra-stage-librarian installiert sie), oder verbinden Sie das Gerät erneut, falls die Regel bereits installiert ist.</translation>
    </message>
    <message>
        <source>The unit was found but another program is using it. Close that program, or reconnect the unit.</source>
        <translation>Das Gerät wurde gefunden, wird aber von einem anderen Programm verwendet. Beenden Sie dieses Programm oder verbinden Sie das Gerät erneut.</translation>
    </message>
    <message>
        <source>The unit was found but went away before it could be opened. Check the USB cable and reconnect the unit.</source>
        <translation>Das Gerät wurde gefunden, war aber wieder weg, bevor es geöffnet werden konnte. Prüfen Sie das USB-Kabel und verbinden Sie das Gerät erneut.</translation>
    </message>
    <message>
        <source>The unit was found but could not be opened. Reconnect the unit; the log file ui.log names the cause.</source>
        <translation>Das Gerät wurde gefunden, konnte aber nicht geöffnet werden. Verbinden Sie das Gerät erneut; die Ursache steht in der Protokolldatei ui.log.</translation>
    </message>
    <message>
        <source>Nothing was written; the unit holds its presets as before.</source>
        <translation>Es wurde nichts geschrieben; die Presets im Gerät sind unverändert.</translation>
    </message>
    <message>
        <source>%1 of %2 user presets were written; the unit holds a mix of old and restored presets. Restore the back-up again.</source>
        <translation>%1 von %2 User-Presets wurden geschrieben; das Gerät enthält eine Mischung aus alten und wiederhergestellten Presets. Stellen Sie das Backup erneut wieder her.</translation>
    </message>
    <message>
        <source>The unit was disconnected during the restore.</source>
        <translation>Das Gerät wurde während der Wiederherstellung getrennt.</translation>
    </message>
    <message>
        <source>%1 of %2 user presets were written, so it holds a mix of old and restored presets.</source>
        <translation>%1 von %2 User-Presets wurden geschrieben, daher enthält es eine Mischung aus alten und wiederhergestellten Presets.</translation>
    </message>
    <message>
        <source>All %1 user presets were written, but not all set lists.</source>
        <translation>Alle %1 User-Presets wurden geschrieben, aber nicht alle Setlists.</translation>
    </message>
    <message>
        <source>All %1 user presets and the set lists were written, but not the system parameters.</source>
        <translation>Alle %1 User-Presets und die Setlists wurden geschrieben, aber nicht die Systemparameter.</translation>
    </message>
    <message>
        <source>When the unit answers again, the librarian offers to put back the state from before the restore.</source>
        <translation>Sobald das Gerät wieder antwortet, bietet das Programm an, den Zustand von vor der Wiederherstellung zurückzuholen.</translation>
    </message>
    <message>
        <source>Connect it again and restore the back-up again.</source>
        <translation>Verbinden Sie es erneut und stellen Sie das Backup noch einmal wieder her.</translation>
    </message>
    <message>
        <source>%1 is not a %2 back-up. Nothing was changed.</source>
        <translation>%1 ist kein Backup für %2. Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>%1 is cut short or damaged. Nothing was changed.</source>
        <translation>%1 ist unvollständig oder beschädigt. Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>%1 of %2 factory presets were written; the unit holds a mix of old and new factory presets.</source>
        <translation>%1 von %2 Werks-Presets wurden geschrieben; das Gerät enthält eine Mischung aus alten und neuen Werks-Presets.</translation>
    </message>
    <message>
        <source>%1 of %2 bytes of the firmware image were sent; the unit holds no complete new firmware. Keep it powered, connect it again and update the firmware again.</source>
        <translation>%1 von %2 Bytes des Firmware-Images wurden gesendet; das Gerät hat keine vollständige neue Firmware. Lassen Sie es eingeschaltet, verbinden Sie es erneut und aktualisieren Sie die Firmware noch einmal.</translation>
    </message>
    <message>
        <source>Backing up the unit first...</source>
        <translation>Zuerst wird das Gerät gesichert...</translation>
    </message>
    <message>
        <source>Nothing was changed: the unit could not be backed up first.</source>
        <translation>Es wurde nichts geändert: Das Gerät konnte vorher nicht gesichert werden.</translation>
    </message>
    <message>
        <source>Verification failed: %1 differs from what was written.</source>
        <extracomment>%1 names one slot, set list or the system parameters</extracomment>
        <translation>Prüfung fehlgeschlagen: Der Inhalt weicht vom Geschriebenen ab (%1).</translation>
    </message>
    <message>
        <source>Verification failed: %1 differ from what was written.</source>
        <extracomment>%1 names several slots or set lists: &quot;U05 and U07&quot;</extracomment>
        <translation>Prüfung fehlgeschlagen: Der Inhalt weicht vom Geschriebenen ab (%1).</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>The last two names of a list: &quot;U01, U02 and U03&quot;</extracomment>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>the favourites</source>
        <translation>Favoriten</translation>
    </message>
    <message>
        <source>set list %1</source>
        <extracomment>%1 is the letter of the set list: A, B, C or D</extracomment>
        <translation>Setlist %1</translation>
    </message>
    <message>
        <source>the system parameters</source>
        <translation>Systemparameter</translation>
    </message>
    <message>
        <source>There is nothing to undo.</source>
        <translation>Es gibt nichts rückgängig zu machen.</translation>
    </message>
    <message>
        <source>There is nothing to redo.</source>
        <translation>Es gibt nichts zu wiederholen.</translation>
    </message>
    <message>
        <source>%1 no longer holds what &quot;%2&quot; wrote: it was changed since (on the unit, by another program or by a restore). Nothing was changed.</source>
        <extracomment>%1 is one slot or set list, %3 the step being undone (&quot;copy F03 to U90&quot;)</extracomment>
        <translation>%1: Der Inhalt entspricht nicht mehr dem, was „%2“ geschrieben hat; er wurde seitdem geändert (am Gerät, von einem anderen Programm oder durch eine Wiederherstellung). Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>%1 no longer hold what &quot;%2&quot; wrote: it was changed since (on the unit, by another program or by a restore). Nothing was changed.</source>
        <extracomment>%1 names several slots or set lists, %2 the step being undone (&quot;copy F03 to U90&quot;)</extracomment>
        <translation>%1: Der Inhalt entspricht nicht mehr dem, was „%2“ geschrieben hat; er wurde seitdem geändert (am Gerät, von einem anderen Programm oder durch eine Wiederherstellung). Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>%1 no longer holds what was there before &quot;%2&quot;: it was changed since. Nothing was changed.</source>
        <translation>%1: Der Inhalt entspricht nicht mehr dem Stand vor „%2“; er wurde seitdem geändert. Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>%1 no longer hold what was there before &quot;%2&quot;: it was changed since. Nothing was changed.</source>
        <translation>%1: Der Inhalt entspricht nicht mehr dem Stand vor „%2“; er wurde seitdem geändert. Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>Undone: %1.</source>
        <translation>Rückgängig gemacht: %1.</translation>
    </message>
    <message>
        <source>Redone: %1.</source>
        <translation>Wiederholt: %1.</translation>
    </message>
    <message>
        <source>copy %1 to %2</source>
        <extracomment>The steps the undo history names, after &quot;Undo: &quot; in the Edit menu: copy F03 to U90</extracomment>
        <translation>Kopieren von %1 nach %2</translation>
    </message>
    <message>
        <source>load %1 to %2</source>
        <translation>Laden von %1 nach %2</translation>
    </message>
    <message>
        <source>rename %1 to %2</source>
        <translation>Umbenennen von %1 in %2</translation>
    </message>
    <message>
        <source>change %1</source>
        <translation>Ändern von %1</translation>
    </message>
    <message>
        <source>restore %1 from %2</source>
        <translation>Wiederherstellen von %1 aus %2</translation>
    </message>
    <message>
        <source>Restoring %1 from %2...</source>
        <translation>Wiederherstellen von %1 aus %2...</translation>
    </message>
    <message>
        <source>Restored %1 from %2.</source>
        <translation>Wiederhergestellt: %1 aus %2.</translation>
    </message>
    <message>
        <source>%1 does not hold %2. Nothing was changed.</source>
        <translation>In %1 fehlt: %2. Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>The undo journal was damaged or made for another unit and was not used. It was set aside as %1.</source>
        <translation>Der Rückgängig-Verlauf war beschädigt oder für ein anderes Gerät bestimmt und wurde nicht verwendet. Er wurde als %1 beiseitegelegt.</translation>
    </message>
    <message>
        <source>The undo journal cannot be read and was not used.</source>
        <translation>Der Rückgängig-Verlauf kann nicht gelesen werden und wurde nicht verwendet.</translation>
    </message>
    <message>
        <source>Could not parse the update info in server.</source>
        <translation>Die Update-Informationen vom Server konnten nicht gelesen werden.</translation>
    </message>
    <message>
        <source>No update found.</source>
        <translation>Kein Update gefunden.</translation>
    </message>
    <message>
        <source>Device firmware is up to date.</source>
        <translation>Die Firmware des Geräts ist aktuell.</translation>
    </message>
    <message>
        <source>Application is up to date.</source>
        <translation>Das Programm ist aktuell.</translation>
    </message>
    <message>
        <source>Connection to update server cannot be made.</source>
        <translation>Es kann keine Verbindung zum Update-Server hergestellt werden.</translation>
    </message>
    <message>
        <source>Fimware update not supported for this device.</source>
        <translation>Firmware-Updates werden für dieses Gerät nicht unterstützt.</translation>
    </message>
    <message>
        <source>Failed to fetch info from update server!</source>
        <translation>Die Informationen vom Update-Server konnten nicht abgerufen werden!</translation>
    </message>
    <message>
        <source>Download finished.</source>
        <translation>Download abgeschlossen.</translation>
    </message>
    <message>
        <source>Updating firmware...</source>
        <translation>Firmware wird aktualisiert...</translation>
    </message>
    <message>
        <source>The update info from the server is not signed.</source>
        <translation>Die Update-Informationen vom Server sind nicht signiert.</translation>
    </message>
    <message>
        <source>The update info from the server failed its signature check.</source>
        <translation>Die Signaturprüfung der Update-Informationen vom Server ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>The update info from the server lacks the size or SHA-256 of an image.</source>
        <translation>In den Update-Informationen vom Server fehlt die Größe oder der SHA-256-Wert eines Images.</translation>
    </message>
    <message>
        <source>The update server must be reached over https.</source>
        <translation>Der Update-Server muss über https erreicht werden.</translation>
    </message>
    <message>
        <source>The download does not match the update info from the server. It was deleted.</source>
        <translation>Der Download passt nicht zu den Update-Informationen vom Server. Er wurde gelöscht.</translation>
    </message>
    <message>
        <source>The download could not be saved. Check the free space in the downloads folder.</source>
        <translation>Der Download konnte nicht gespeichert werden. Prüfen Sie, ob im Download-Ordner genug Platz frei ist.</translation>
    </message>
    <message>
        <source>This download was not offered by the update server.</source>
        <translation>Dieser Download wurde nicht vom Update-Server angeboten.</translation>
    </message>
    <message>
        <source>Nothing was changed.</source>
        <translation>Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>See &apos;tessitra %1 --help&apos;.</source>
        <translation>Siehe &apos;tessitra %1 --help&apos;.</translation>
    </message>
    <message>
        <source>See &apos;tessitra --help&apos;.</source>
        <translation>Siehe &apos;tessitra --help&apos;.</translation>
    </message>
    <message>
        <source>No unit found. Connect the unit and switch it on.</source>
        <translation>Kein Gerät gefunden. Schließen Sie das Gerät an und schalten Sie es ein.</translation>
    </message>
    <message>
        <source>The Tessitra Stage Librarian window is using the unit. Close it and try again.</source>
        <translation>Das Fenster von Tessitra Stage Librarian verwendet das Gerät. Schließen Sie es und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Another tessitra command is using the unit. Wait for it to end and try again.</source>
        <translation>Ein anderer tessitra-Befehl verwendet das Gerät. Warten Sie, bis er beendet ist, und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>%1 changes what the unit holds: give --yes to confirm when not run from a terminal.</source>
        <translation>%1 ändert den Inhalt des Geräts: Bestätigen Sie mit --yes, wenn der Befehl nicht in einem Terminal läuft.</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>Abgebrochen.</translation>
    </message>
    <message>
        <source>Stopped. The operation&apos;s last words: %1</source>
        <translation>Abgebrochen. Letzte Meldung des Vorgangs: %1</translation>
    </message>
    <message>
        <source>stopping: the operation ends at its next record or packet (Ctrl-C again ends the program at once, leaving the unit as it is then).</source>
        <translation>wird abgebrochen: Der Vorgang endet beim nächsten Datensatz oder Paket (erneutes Strg+C beendet das Programm sofort und lässt das Gerät im dann aktuellen Zustand).</translation>
    </message>
    <message>
        <source>A write to the unit cannot be stopped safely; it will finish first (Ctrl-C again ends the program at once, leaving the unit half written).</source>
        <translation>Ein Schreibvorgang auf das Gerät lässt sich nicht sicher abbrechen; er wird erst zu Ende geführt (erneutes Strg+C beendet das Programm sofort, das Gerät bleibt dann halb beschrieben).</translation>
    </message>
    <message>
        <source>The unit was backed up before it started; to put it back: tessitra restore &quot;%1&quot;</source>
        <translation>Das Gerät wurde vor dem Start gesichert; zum Zurückholen: tessitra restore &quot;%1&quot;</translation>
    </message>
    <message>
        <source>The factory bank was kept before it started; to put it back: tessitra factory-update &quot;%1&quot;</source>
        <translation>Die Werksbank wurde vor dem Start gesichert; zum Zurückholen: tessitra factory-update &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Scripts the preset librarian of a Tessitra Stage Ariette or Stage Cadenzo connected over USB: the same
operations as the Tessitra Stage Librarian window, with the same automatic back-ups and checks.
Slots are written as the window shows them: U01 to U100 (user presets), F01 to F100 (factory presets).

Options:
  --bus DIR   talk to the virtual units plugged into the bus folder DIR (default: $TESSITRA_VIRTUAL_BUS,
              or the real USB units when neither is given)
  --json      print the result as JSON on standard output, and an error as {&quot;error&quot;: ..., &quot;exit&quot;: ...}
  --yes       do what a command would ask to confirm (needed when standard input is not a terminal)
  --help      this text; `tessitra COMMAND --help` describes one command
  --version   the version of tessitra

Commands:
</source>
        <translation>Steuert die Preset-Verwaltung eines über USB angeschlossenen Tessitra Stage Ariette oder Stage Cadenzo
per Skript: dieselben Vorgänge wie im Fenster von Tessitra Stage Librarian, mit denselben automatischen
Backups und Prüfungen. Speicherplätze werden so geschrieben, wie das Fenster sie zeigt: U01 bis U100
(User-Presets), F01 bis F100 (Werks-Presets).

Optionen:
  --bus DIR   mit den virtuellen Geräten im Bus-Ordner DIR arbeiten (Standard: $TESSITRA_VIRTUAL_BUS,
              sonst die echten USB-Geräte)
  --json      das Ergebnis als JSON auf der Standardausgabe ausgeben, einen Fehler als
              {&quot;error&quot;: ..., &quot;exit&quot;: ...}
  --yes       alle Rückfragen eines Befehls bestätigen (nötig, wenn die Standardeingabe kein Terminal ist)
  --help      dieser Text; `tessitra COMMAND --help` beschreibt einen einzelnen Befehl
  --version   die Version von tessitra

Befehle:
</translation>
    </message>
    <message>
        <source>
Exit codes:
  0  success
  1  the operation failed (for example not allowed on this model, or the update server not reached)
  2  bad usage
  3  no unit connected
  4  several units connected
  5  communication with the unit failed
  6  a file is missing, damaged or made for another model
  7  the unit does not hold what was written to it
  8  refused: not confirmed, or --yes missing without a terminal
  9  the unit is in use by the Tessitra Stage Librarian window or another tessitra
  10  an undo or redo found a slot changed since it was written: nothing was written
  130  stopped by Ctrl-C: a read, back-up or save ends at its next record or packet and says how far it
       got; a write to the unit finishes first and ends with its own code
</source>
        <translation>
Exit-Codes:
  0  Erfolg
  1  der Vorgang ist fehlgeschlagen (zum Beispiel bei diesem Modell nicht erlaubt, oder der Update-Server
     war nicht erreichbar)
  2  falscher Aufruf
  3  kein Gerät angeschlossen
  4  mehrere Geräte angeschlossen
  5  die Kommunikation mit dem Gerät ist fehlgeschlagen
  6  eine Datei fehlt, ist beschädigt oder für ein anderes Modell bestimmt
  7  das Gerät enthält nicht, was darauf geschrieben wurde
  8  abgelehnt: nicht bestätigt, oder --yes fehlt ohne Terminal
  9  das Gerät wird vom Fenster des Tessitra Stage Librarian oder einem anderen tessitra verwendet
  10  undo oder redo fand einen seit dem Schreiben geänderten Speicherplatz: es wurde nichts geschrieben
  130  mit Strg+C abgebrochen: Lesen, Backup oder Speichern endet beim nächsten Datensatz oder Paket und
       meldet, wie weit es kam; ein Schreibvorgang auf das Gerät wird erst beendet und endet mit seinem
       eigenen Code
</translation>
    </message>
    <message>
        <source>Shows model, identity and versions</source>
        <translation>Zeigt Modell, Kennung und Versionen</translation>
    </message>
    <message>
        <source>Shows the connected unit: model, identity and versions.</source>
        <translation>Zeigt das angeschlossene Gerät: Modell, Kennung und Versionen.</translation>
    </message>
    <message>
        <source>Lists presets or a set list</source>
        <translation>Listet Presets oder eine Setlist auf</translation>
    </message>
    <message>
        <source>Lists the user presets (the default), the factory presets, the favourites or set list A to D.</source>
        <translation>Listet die User-Presets (Standard), die Werks-Presets, die Favoriten oder Setlist A bis D auf.</translation>
    </message>
    <message>
        <source>Backs the unit up into a file</source>
        <translation>Sichert das Gerät in eine Datei</translation>
    </message>
    <message>
        <source>Backs up the user presets, set lists and system parameters into FILE (a .tarb or .tscb file).</source>
        <translation>Sichert die User-Presets, Setlists und Systemparameter in FILE (eine .tarb- oder .tscb-Datei).</translation>
    </message>
    <message>
        <source>Puts a back-up, or chosen parts of it, into the unit</source>
        <translation>Spielt ein Backup oder ausgewählte Teile davon ins Gerät ein</translation>
    </message>
    <message>
        <source>Puts a back-up file back into the unit, replacing every user preset, the set lists and the system
parameters. Asks first; an automatic back-up of the unit is taken before it starts.
With --only SLOT... (user slots), --setlists LIST (favourites, A, B, C, D or all, separated by commas)
or --sysparams only those are written, each read back, and can be undone like a load (the system
parameters are not in the undo history: an automatic back-up is taken first for them).</source>
        <translation>Spielt eine Backup-Datei zurück ins Gerät und ersetzt dabei alle User-Presets, die Setlists und die
Systemparameter. Fragt vorher nach; vor dem Start wird automatisch ein Backup des Geräts erstellt.
Mit --only SLOT... (User-Speicherplätze), --setlists LIST (favourites, A, B, C, D oder all, durch Kommas
getrennt) oder --sysparams wird nur das Gewählte geschrieben, jeweils zurückgelesen, und lässt sich wie
ein Laden rückgängig machen (die Systemparameter stehen nicht im Rückgängig-Verlauf: für sie wird
vorher automatisch ein Backup erstellt).</translation>
    </message>
    <message>
        <source>Compares the unit or a back-up with a back-up</source>
        <translation>Vergleicht das Gerät oder ein Backup mit einem Backup</translation>
    </message>
    <message>
        <source>Compares the unit with the back-up FILE (the unit is read as a back-up reads it), or the back-ups FILE
and FILE2 (no unit needed). One line per user slot, set list and the system parameters that
differ, with its mark: settings (same name, other parameters), renamed (other name), changed
(a set list or the system parameters), missing (one side holds none); --all lists the same ones too.
Differences are no failure: the exit code is 0.</source>
        <translation>Vergleicht das Gerät mit dem Backup FILE (das Gerät wird wie bei einem Backup gelesen) oder die Backups
FILE und FILE2 (kein Gerät nötig). Eine Zeile je abweichendem User-Speicherplatz, abweichender Setlist
und für abweichende Systemparameter, mit Kennzeichen: settings (gleicher Name, andere Parameter),
renamed (anderer Name), changed (eine Setlist oder die Systemparameter), missing (eine Seite hat
nichts); --all listet auch die gleichen (same). Unterschiede sind kein Fehler: Der Exit-Code ist 0.</translation>
    </message>
    <message>
        <source>Finds presets by name in back-ups and files</source>
        <translation>Sucht Presets nach Namen in Backups und Dateien</translation>
    </message>
    <message>
        <source>Lists every back-up and preset file under FOLDER (default: both models&apos; preset and back-up folders)
that holds a preset whose name contains TEXT, newest file first: file, slot, name. No unit is needed;
exit 1 when no preset matches.</source>
        <translation>Listet jede Backup- und Preset-Datei unter FOLDER (Standard: die Preset- und Backup-Ordner beider
Modelle), die ein Preset mit TEXT im Namen enthält, neueste Datei zuerst: Datei, Speicherplatz, Name.
Kein Gerät nötig; Exit-Code 1, wenn kein Preset passt.</translation>
    </message>
    <message>
        <source>Saves presets to preset files</source>
        <translation>Speichert Presets als Preset-Dateien</translation>
    </message>
    <message>
        <source>Saves presets of the unit to preset files in DIR (default: the current folder; made when missing),
named as the window names them (&quot;U01_Rock Lead.tarp&quot;).</source>
        <translation>Speichert Presets des Geräts als Preset-Dateien in DIR (Standard: der aktuelle Ordner; wird bei Bedarf
angelegt), benannt wie im Fenster („U01_Rock Lead.tarp“).</translation>
    </message>
    <message>
        <source>Loads preset files into user slots</source>
        <translation>Lädt Preset-Dateien in User-Speicherplätze</translation>
    </message>
    <message>
        <source>Loads preset files into the user slots from SLOT on, one slot per file. Asks before it overwrites.</source>
        <translation>Lädt Preset-Dateien in die User-Speicherplätze ab SLOT, einen Speicherplatz pro Datei. Fragt vor dem Überschreiben nach.</translation>
    </message>
    <message>
        <source>Copies a preset onto a user slot</source>
        <translation>Kopiert ein Preset auf einen User-Speicherplatz</translation>
    </message>
    <message>
        <source>Copies preset FROM onto user slot TO (for example: copy F03 U90). Asks first.</source>
        <translation>Kopiert das Preset FROM auf den User-Speicherplatz TO (zum Beispiel: copy F03 U90). Fragt vorher nach.</translation>
    </message>
    <message>
        <source>Renames a user preset</source>
        <translation>Benennt ein User-Preset um</translation>
    </message>
    <message>
        <source>Gives user preset SLOT a new name. Asks first.</source>
        <translation>Gibt dem User-Preset SLOT einen neuen Namen. Fragt vorher nach.</translation>
    </message>
    <message>
        <source>Fills a set list</source>
        <translation>Belegt eine Setlist</translation>
    </message>
    <message>
        <source>Makes the set list hold exactly the presets given, in order (at most 20); the other slots are emptied.
Asks first.</source>
        <translation>Belegt die Setlist genau mit den angegebenen Presets in dieser Reihenfolge (höchstens 20); die übrigen
Speicherplätze werden geleert. Fragt vorher nach.</translation>
    </message>
    <message>
        <source>Undoes the last copy, load, rename or set-list change</source>
        <translation>Nimmt die letzte Änderung zurück (Kopieren, Laden, Umbenennen, Setlist)</translation>
    </message>
    <message>
        <source>Puts back what the last copy, load, rename or set-list change overwrote, as the window&apos;s Undo does (up to
20 steps back, kept per unit). A slot changed since is left alone: exit 10, or a second question
on a terminal. Asks first.</source>
        <translation>Holt zurück, was die letzte Änderung (Kopieren, Laden, Umbenennen, Setlist) überschrieben hat, wie
„Rückgängig“ im Fenster (bis zu 20 Schritte zurück, je Gerät gespeichert). Ein seitdem geänderter
Speicherplatz bleibt unangetastet: Exit-Code 10, oder im Terminal eine zweite Rückfrage. Fragt vorher nach.</translation>
    </message>
    <message>
        <source>Writes again what the last undo took away</source>
        <translation>Schreibt erneut, was das letzte Rückgängigmachen entfernt hat</translation>
    </message>
    <message>
        <source>Writes again what the last undo took away, while the slots still hold what the undo put there.
Asks first.</source>
        <translation>Schreibt erneut, was das letzte Rückgängigmachen entfernt hat, solange die Speicherplätze noch das
enthalten, was es dorthin zurückgeschrieben hat. Fragt vorher nach.</translation>
    </message>
    <message>
        <source>Rewrites a Cadenzo&apos;s factory presets</source>
        <translation>Schreibt die Werks-Presets eines Cadenzo neu</translation>
    </message>
    <message>
        <source>Rewrites the factory presets of a Stage Cadenzo from FactoryPresets.dat in its data folder,
or from FILE, a factory bank kept before an earlier rewrite. Asks first.</source>
        <translation>Schreibt die Werks-Presets eines Stage Cadenzo neu, aus FactoryPresets.dat in seinem Datenordner
oder aus FILE, einer vor einem früheren Neuschreiben gesicherten Werksbank. Fragt vorher nach.</translation>
    </message>
    <message>
        <source>Writes firmware images into the unit</source>
        <translation>Spielt Firmware-Images auf das Gerät auf</translation>
    </message>
    <message>
        <source>Writes firmware images into the unit: .ldr files are DSP images, .bin files microcontroller images.
Asks first; an automatic back-up of the unit is taken before each image.</source>
        <translation>Spielt Firmware-Images auf das Gerät auf: .ldr-Dateien sind DSP-Images, .bin-Dateien
Mikrocontroller-Images. Fragt vorher nach; vor jedem Image wird automatisch ein Backup des Geräts
erstellt.</translation>
    </message>
    <message>
        <source>Asks for newer firmware</source>
        <translation>Sucht nach neuerer Firmware</translation>
    </message>
    <message>
        <source>Asks the update server whether newer firmware exists for the unit.</source>
        <translation>Fragt beim Update-Server nach, ob es neuere Firmware für das Gerät gibt.</translation>
    </message>
    <message>
        <source>%1: File not found.</source>
        <translation>%1: Datei nicht gefunden.</translation>
    </message>
    <message>
        <source>%1 is not a back-up file.</source>
        <translation>%1 ist keine Backup-Datei.</translation>
    </message>
    <message>
        <source>%1 is cut short or damaged.</source>
        <translation>%1 ist unvollständig oder beschädigt.</translation>
    </message>
    <message>
        <source>%1 is not a user slot of this unit (U01 to U%2)</source>
        <translation>%1 ist kein User-Speicherplatz dieses Geräts (U01 bis U%2)</translation>
    </message>
    <message>
        <source>%1 is not a slot of this unit (U01 to U%2, F01 to F%2)</source>
        <translation>%1 ist kein Speicherplatz dieses Geräts (U01 bis U%2, F01 bis F%2)</translation>
    </message>
    <message>
        <source>list takes one of user, factory, favourites, A, B, C, D</source>
        <translation>list erwartet eines von: user, factory, favourites, A, B, C, D</translation>
    </message>
    <message>
        <source>backup takes one FILE</source>
        <translation>backup erwartet genau ein FILE</translation>
    </message>
    <message>
        <source>restore takes one FILE</source>
        <translation>restore erwartet genau ein FILE</translation>
    </message>
    <message>
        <source>Restore %1? Every user preset, the set lists and the system parameters of the unit are replaced.</source>
        <translation>%1 wiederherstellen? Alle User-Presets, die Setlists und die Systemparameter des Geräts werden ersetzt.</translation>
    </message>
    <message>
        <source>--only takes one SLOT or more</source>
        <translation>--only erwartet mindestens einen SLOT</translation>
    </message>
    <message>
        <source>--setlists takes favourites, A, B, C, D or all, separated by commas</source>
        <translation>--setlists erwartet favourites, A, B, C, D oder all, durch Kommas getrennt</translation>
    </message>
    <message>
        <source>Put back %1 from %2? The unit&apos;s own are replaced.</source>
        <translation>%1 aus %2 zurückholen? Die entsprechenden Inhalte im Gerät werden ersetzt.</translation>
    </message>
    <message>
        <source>find takes TEXT and, optionally, FOLDER...</source>
        <translation>find erwartet TEXT und optional FOLDER...</translation>
    </message>
    <message>
        <source>No preset named like &quot;%1&quot; was found.</source>
        <translation>Kein Preset mit „%1“ im Namen gefunden.</translation>
    </message>
    <message>
        <source>diff takes FILE (against the unit) or FILE1 FILE2</source>
        <translation>diff erwartet FILE (gegen das Gerät) oder FILE1 FILE2</translation>
    </message>
    <message>
        <source>%1 is not a %2 back-up.</source>
        <translation>%1 ist kein Backup für %2.</translation>
    </message>
    <message>
        <source>Cannot make a temporary folder.</source>
        <translation>Es kann kein temporärer Ordner angelegt werden.</translation>
    </message>
    <message>
        <source>%1 and %2 are back-ups of different models.</source>
        <translation>%1 und %2 sind Backups verschiedener Modelle.</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keins)</translation>
    </message>
    <message>
        <source>save takes one SLOT or more</source>
        <translation>save erwartet mindestens einen SLOT</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 ist kein Ordner</translation>
    </message>
    <message>
        <source>Cannot create the folder %1.</source>
        <translation>Der Ordner %1 kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>load takes one FILE or more and --to SLOT</source>
        <translation>load erwartet mindestens ein FILE und --to SLOT</translation>
    </message>
    <message>
        <source>%1 files from %2 do not fit in the user slots</source>
        <translation>%1 Dateien ab %2 passen nicht in die User-Speicherplätze</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a file and what is wrong with it</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Do you want to overwrite the presets %1 with %2?</source>
        <translation>Möchten Sie die Presets %1 mit %2 überschreiben?</translation>
    </message>
    <message>
        <source>copy takes FROM and TO</source>
        <translation>copy erwartet FROM und TO</translation>
    </message>
    <message>
        <source>rename takes SLOT and NAME</source>
        <translation>rename erwartet SLOT und NAME</translation>
    </message>
    <message>
        <source>a name on this unit has 1 to %1 characters</source>
        <translation>ein Name hat auf diesem Gerät 1 bis %1 Zeichen</translation>
    </message>
    <message>
        <source>a name holds Latin-1 letters, digits, spaces and signs only</source>
        <translation>ein Name darf nur Latin-1-Buchstaben, Ziffern, Leerzeichen und Satzzeichen enthalten</translation>
    </message>
    <message>
        <source>Rename %1 to &quot;%2&quot;?</source>
        <translation>%1 in „%2“ umbenennen?</translation>
    </message>
    <message>
        <source>setlist takes a list (A, B, C, D or favourites) and 1 to 20 SLOTs</source>
        <translation>setlist erwartet eine Liste (A, B, C, D oder favourites) und 1 bis 20 SLOTs</translation>
    </message>
    <message>
        <source>%1 is not a set list (A, B, C, D or favourites)</source>
        <translation>%1 ist keine Setlist (A, B, C, D oder favourites)</translation>
    </message>
    <message>
        <source>Make %1 hold %2, and empty its other slots?</source>
        <translation>%1 mit %2 belegen und die übrigen Speicherplätze leeren?</translation>
    </message>
    <message>
        <source>%1 takes no arguments</source>
        <translation>%1 erwartet keine Argumente</translation>
    </message>
    <message>
        <source>Write again what the last undo took away?</source>
        <translation>Erneut schreiben, was das letzte Rückgängigmachen entfernt hat?</translation>
    </message>
    <message>
        <source>Put back what the last copy, load, rename or set-list change overwrote?</source>
        <translation>Zurückholen, was die letzte Änderung (Kopieren, Laden, Umbenennen, Setlist) überschrieben hat?</translation>
    </message>
    <message>
        <source>Overwrite it anyway?</source>
        <translation>Trotzdem überschreiben?</translation>
    </message>
    <message>
        <source>factory-update takes at most one FILE</source>
        <translation>factory-update erwartet höchstens ein FILE</translation>
    </message>
    <message>
        <source>Rewrite the factory presets of the unit?</source>
        <translation>Die Werks-Presets des Geräts neu schreiben?</translation>
    </message>
    <message>
        <source>firmware takes one FILE or more</source>
        <translation>firmware erwartet mindestens ein FILE</translation>
    </message>
    <message>
        <source>%1: neither a DSP image (.ldr) nor a microcontroller image (.bin).</source>
        <translation>%1: weder ein DSP-Image (.ldr) noch ein Mikrocontroller-Image (.bin).</translation>
    </message>
    <message>
        <source>Write %1 into the unit? Do not disconnect or power down the device while it runs.</source>
        <translation>%1 auf das Gerät aufspielen? Trennen Sie das Gerät währenddessen nicht und schalten Sie es nicht aus.</translation>
    </message>
    <message>
        <source>check-update takes no arguments</source>
        <translation>check-update erwartet keine Argumente</translation>
    </message>
    <message>
        <source>New firmware version available.
Current: %1, %2
</source>
        <translation>Neue Firmware-Version verfügbar.
Aktuell: %1, %2
</translation>
    </message>
    <message>
        <source>New DSP:      %1  %2
</source>
        <translation>Neuer DSP:     %1  %2
</translation>
    </message>
    <message>
        <source>New firmware: %1  %2
</source>
        <translation>Neue Firmware: %1  %2
</translation>
    </message>
    <message>
        <source>unknown command %1</source>
        <translation>unbekannter Befehl %1</translation>
    </message>
    <message>
        <source>--to belongs to save and load</source>
        <translation>--to gehört zu save und load</translation>
    </message>
    <message>
        <source>--only, --setlists and --sysparams belong to restore</source>
        <translation>--only, --setlists und --sysparams gehören zu restore</translation>
    </message>
    <message>
        <source>--all belongs to diff</source>
        <translation>--all gehört zu diff</translation>
    </message>
    <message>
        <source>usage: tessitra [--bus DIR] [--json] [--yes] COMMAND [ARGUMENTS]
</source>
        <extracomment>The words in capitals and the options stand for what is typed: keep them as they are</extracomment>
        <translation>Aufruf: tessitra [--bus DIR] [--json] [--yes] COMMAND [ARGUMENTS]
</translation>
    </message>
    <message>
        <source>usage: tessitra [--bus DIR] [--json] [--yes] %1</source>
        <extracomment>One command&apos;s usage: %1 is what follows the command&apos;s name, as &quot;list [user|factory|favourites|A|B|C|D]&quot;</extracomment>
        <translation>Aufruf: tessitra [--bus DIR] [--json] [--yes] %1</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 braucht einen Wert</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>unbekannte Option %1</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>kein Befehl angegeben</translation>
    </message>
    <message>
        <source>%1 into %2</source>
        <extracomment>a back-up&apos;s preset put into another user slot of the unit: &quot;U08 into U10&quot;</extracomment>
        <translation>%1 nach %2</translation>
    </message>
</context>
</TS>
