<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>Closing</name>
    <message>
        <source>Tagrota was ended last time while it saved %1, so that file may have been cut short. Its text from before that save was kept whole in %2 (%3; the file now holds %4).<byte value="xd"/>
<byte value="xd"/>
Restore %1 from its backup?<byte value="xd"/>
<byte value="xd"/>
No leaves the file as it is and keeps the backup as %5, which Tagrota does not use or remove.</source>
        <translation>Tagrota wurde beim letzten Mal beendet, während es %1 speicherte; die Datei ist daher möglicherweise unvollständig. Ihr Text von vor diesem Speichern wurde vollständig in %2 aufbewahrt (%3; die Datei enthält jetzt %4).<byte value="xd"/>
<byte value="xd"/>
%1 aus der Sicherung wiederherstellen?<byte value="xd"/>
<byte value="xd"/>
Mit „Nein“ bleibt die Datei, wie sie ist, und die Sicherung wird als %5 aufbewahrt; Tagrota verwendet oder entfernt sie nicht.</translation>
    </message>
    <message>
        <source>Tagrota could not save its settings to %1: %2.<byte value="xd"/>
The next start uses the settings saved before.</source>
        <translation>Tagrota konnte seine Einstellungen nicht in %1 speichern: %2.<byte value="xd"/>
Beim nächsten Start werden die zuvor gespeicherten Einstellungen verwendet.</translation>
    </message>
    <message>
        <source>Save them to %1 before Tagrota closes?</source>
        <translation>Vor dem Beenden von Tagrota in %1 speichern?</translation>
    </message>
    <message>
        <source>Your fixed signature:</source>
        <translation>Ihre feste Signatur:</translation>
    </message>
    <message>
        <source>Your signature collection:</source>
        <translation>Ihre Signatursammlung:</translation>
    </message>
    <message>
        <source>Tagrota was ended last time (by the system or another program) while it held changes that were not saved. They were kept in files of their own:%1<byte value="xd"/>
<byte value="xd"/>
Your own files were left as they were last saved. Open the kept files to take what you need from them; Tagrota does not use or remove them.</source>
        <translation>Tagrota wurde beim letzten Mal (vom System oder einem anderen Programm) mit nicht gespeicherten Änderungen beendet. Diese wurden in eigenen Dateien aufbewahrt:%1<byte value="xd"/>
<byte value="xd"/>
Ihre eigenen Dateien blieben so, wie sie zuletzt gespeichert wurden. Öffnen Sie die aufbewahrten Dateien, um daraus zu übernehmen, was Sie brauchen; Tagrota verwendet oder entfernt sie nicht.</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 Byte</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>nichts</translation>
    </message>
    <message>
        <source>%1 could not be restored from its backup: %2.<byte value="xd"/>
The backup stays in %3.</source>
        <translation>%1 konnte nicht aus der Sicherung wiederhergestellt werden: %2.<byte value="xd"/>
Die Sicherung bleibt in %3.</translation>
    </message>
</context>
<context>
    <name>CollectionCheck</name>
    <message>
        <source>%1 lines</source>
        <translation>%1 Zeilen</translation>
    </message>
    <message>
        <source>%1 columns</source>
        <translation>%1 Spalten</translation>
    </message>
    <message>
        <source>makes a signature of %1 lines (limit %2) and %3 columns wide (limit %4)</source>
        <translation>ergibt eine Signatur mit %1 Zeilen (Grenze %2) und einer Breite von %3 Spalten (Grenze %4)</translation>
    </message>
    <message>
        <source>makes a signature of %1 lines (limit %2)</source>
        <translation>ergibt eine Signatur mit %1 Zeilen (Grenze %2)</translation>
    </message>
    <message>
        <source>makes a signature %1 columns wide (limit %2)</source>
        <translation>ergibt eine Signatur mit einer Breite von %1 Spalten (Grenze %2)</translation>
    </message>
    <message>
        <source>Entry %1 (line %2): %3</source>
        <translation>Eintrag %1 (Zeile %2): %3</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leer</translation>
    </message>
    <message>
        <source>the same as entry %1 (line %2)</source>
        <translation>identisch mit Eintrag %1 (Zeile %2)</translation>
    </message>
    <message>
        <source>white space at the end of line %1</source>
        <translation>Leerraum am Ende von Zeile %1</translation>
    </message>
    <message>
        <source>The file mixes its line ends (%1); line %2 is the first to end otherwise than the first line. A save writes them all as the first line does.</source>
        <translation>Die Datei enthält gemischte Zeilenenden (%1); Zeile %2 endet als erste anders als die erste Zeile. Beim Speichern erhalten alle Zeilen das Zeilenende der ersten Zeile.</translation>
    </message>
</context>
<context>
    <name>CollectionChoice</name>
    <message>
        <source>it does not exist</source>
        <translation>sie existiert nicht</translation>
    </message>
    <message>
        <source>it could not be read: %1</source>
        <translation>sie konnte nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>it holds no signatures</source>
        <translation>sie enthält keine Signaturen</translation>
    </message>
    <message>
        <source>it is your fixed signature file</source>
        <translation>sie ist die Datei Ihrer festen Signatur</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>Exit Program</source>
        <translation>Programm beenden</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Fixed Signature</source>
        <translation>Feste Signatur</translation>
    </message>
    <message>
        <source>Show Random Sig File</source>
        <translation>Signatursammlung zeigen</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Aktuelle Signatur</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über Tagrota</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Über</translation>
    </message>
    <message>
        <source>Brief Help on Tab</source>
        <translation>Kurzhilfe zum Tab</translation>
    </message>
    <message>
        <source>&amp;Brief Help on Tab</source>
        <translation>&amp;Kurzhilfe zum Tab</translation>
    </message>
    <message>
        <source>Next Quotation</source>
        <translation>Nächstes Zitat</translation>
    </message>
    <message>
        <source>&amp;Next Quotation</source>
        <translation>&amp;Nächstes Zitat</translation>
    </message>
    <message>
        <source>Stop changing the signature</source>
        <translation>Signaturwechsel anhalten</translation>
    </message>
    <message>
        <source>S&amp;top Changing</source>
        <translation>Wechsel &amp;anhalten</translation>
    </message>
    <message>
        <source>Random or Sequencial</source>
        <translation>Zufällig oder der Reihe nach</translation>
    </message>
    <message>
        <source>&amp;Random or Sequential</source>
        <translation>Zufällig oder der &amp;Reihe nach</translation>
    </message>
    <message>
        <source>Ne&amp;ver This One Again</source>
        <translation>&amp;Dieses nie wieder</translation>
    </message>
    <message>
        <source>Set-&amp;Aside Quotations...</source>
        <translation>&amp;Zurückgelegte Zitate...</translation>
    </message>
    <message>
        <source>&amp;Check the Collection...</source>
        <translation>Sammlung &amp;prüfen...</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Suchen...</translation>
    </message>
    <message>
        <source>Find &amp;Next</source>
        <translation>&amp;Weitersuchen</translation>
    </message>
    <message>
        <source>Find &amp;Previous</source>
        <translation>&amp;Rückwärts suchen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Ctrl</source>
        <translation>Strg</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Umschalt</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A toolbar button&apos;s tool tip: what the button does, then its keys.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Zufällig</translation>
    </message>
    <message>
        <source>Sequential</source>
        <translation>Der Reihe nach</translation>
    </message>
</context>
<context>
    <name>Composition</name>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Fixed</source>
        <translation>Fest</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Zufällig</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Aktuell</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Brief Help on Tab</source>
        <translation>Kurzhilfe zum Tab</translation>
    </message>
    <message>
        <source>Next Quotation</source>
        <translation>Nächstes Zitat</translation>
    </message>
    <message>
        <source>Stop Changing</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Random or Sequential</source>
        <translation>Zufällig oder der Reihe nach</translation>
    </message>
    <message>
        <source>The fixed signature, above every quotation</source>
        <translation>Die feste Signatur über jedem Zitat</translation>
    </message>
    <message>
        <source>The collection of quotations</source>
        <translation>Die Sammlung der Zitate</translation>
    </message>
    <message>
        <source>The signature written last</source>
        <translation>Die zuletzt geschriebene Signatur</translation>
    </message>
    <message>
        <source>Rotation, word wrapping, the tray and the files</source>
        <translation>Wechsel, Zeilenumbruch, Infobereich und Dateien</translation>
    </message>
    <message>
        <source>Fixed Signature</source>
        <translation>Feste Signatur</translation>
    </message>
    <message>
        <source>The lines above the quotation in every signature</source>
        <translation>Die Zeilen über dem Zitat in jeder Signatur</translation>
    </message>
    <message>
        <source>Collection</source>
        <translation>Sammlung</translation>
    </message>
    <message>
        <source>The quotations, separated by lines that hold a single %</source>
        <translation>Die Zitate, getrennt durch Zeilen, die nur ein % enthalten</translation>
    </message>
    <message>
        <source>Current Signature</source>
        <translation>Aktuelle Signatur</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Commands</source>
        <translation>Be&amp;fehle</translation>
    </message>
    <message>
        <source>An icon in the notification area; minimising hides the window</source>
        <translation>Ein Symbol im Infobereich; Minimieren blendet das Fenster aus</translation>
    </message>
    <message>
        <source>Place in System Tray</source>
        <translation>Im Infobereich ablegen</translation>
    </message>
    <message>
        <source>Start &amp;Minimized</source>
        <translation>&amp;Minimiert starten</translation>
    </message>
    <message>
        <source>Each quotation wrapped again to the width below</source>
        <translation>Jedes Zitat neu auf die Breite darunter umbrochen</translation>
    </message>
    <message>
        <source>Enable Word Wrapping</source>
        <translation>Zeilen umbrechen</translation>
    </message>
    <message>
        <source>Every line within the width, over-long words split</source>
        <translation>Jede Zeile innerhalb der Breite, überlange Wörter geteilt</translation>
    </message>
    <message>
        <source>Strictly &amp;Within the Width</source>
        <translation>Strikt &amp;innerhalb der Breite</translation>
    </message>
    <message>
        <source>Wrap Width</source>
        <translation>Umbruchbreite</translation>
    </message>
    <message>
        <source>Characters in a line of a quotation</source>
        <translation>Zeichen in einer Zeile eines Zitats</translation>
    </message>
    <message>
        <source>Duration of signature, in seconds:</source>
        <translation>Dauer der Signatur in Sekunden:</translation>
    </message>
    <message>
        <source>Duration of Signature</source>
        <translation>Dauer der Signatur</translation>
    </message>
    <message>
        <source>Seconds between two changes of the signature</source>
        <translation>Sekunden zwischen zwei Signaturwechseln</translation>
    </message>
    <message>
        <source>Random Signatures Path and File Name:</source>
        <translation>Pfad und Name der Sammlungsdatei:</translation>
    </message>
    <message>
        <source>Collection File</source>
        <translation>Sammlungsdatei</translation>
    </message>
    <message>
        <source>The file of the quotations</source>
        <translation>Die Datei der Zitate</translation>
    </message>
    <message>
        <source>Choose the Collection File</source>
        <translation>Sammlungsdatei wählen</translation>
    </message>
    <message>
        <source>Current Signature Path and File Name:</source>
        <translation>Pfad und Name der aktuellen Signatur:</translation>
    </message>
    <message>
        <source>Current Signature File</source>
        <translation>Datei der aktuellen Signatur</translation>
    </message>
    <message>
        <source>The file every change of the signature writes</source>
        <translation>Die Datei, in die jeder Signaturwechsel schreibt</translation>
    </message>
    <message>
        <source>Choose the Signature File</source>
        <translation>Signaturdatei wählen</translation>
    </message>
    <message>
        <source>&amp;No Repeats Until Every Quotation Was Used</source>
        <translation>&amp;Keine Wiederholung, bis alle Zitate dran waren</translation>
    </message>
    <message>
        <source>Longest signature, in lines and columns (0 = no limit):</source>
        <translation>Längste Signatur in Zeilen und Spalten (0 = unbegrenzt):</translation>
    </message>
    <message>
        <source>Longest Signature, in Lines</source>
        <translation>Längste Signatur in Zeilen</translation>
    </message>
    <message>
        <source>0 for no limit</source>
        <translation>0 für unbegrenzt</translation>
    </message>
    <message>
        <source>Longest Signature, in Columns</source>
        <translation>Längste Signatur in Spalten</translation>
    </message>
    <message>
        <source>Sets the longest signature to 4 lines of 80 columns</source>
        <translation>Setzt die längste Signatur auf 4 Zeilen zu 80 Spalten</translation>
    </message>
    <message>
        <source>4 lines of 80 columns (news and mailing lists)</source>
        <translation>4 Zeilen zu 80 Spalten (News und Mailinglisten)</translation>
    </message>
</context>
<context>
    <name>Dialog</name>
    <message>
        <source>Tagrota Brief Help</source>
        <translation>Tagrota-Kurzhilfe</translation>
    </message>
    <message>
        <source>Brief Help</source>
        <translation>Kurzhilfe</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>Editing</name>
    <message>
        <source>Overwrite it with the fixed signature shown here, or reload it and drop your changes?</source>
        <translation>Mit der hier angezeigten festen Signatur überschreiben oder neu laden und Ihre Änderungen verwerfen?</translation>
    </message>
    <message>
        <source>Overwrite it with the signature collection shown here, or reload it and drop your changes?</source>
        <translation>Mit der hier angezeigten Signatursammlung überschreiben oder neu laden und Ihre Änderungen verwerfen?</translation>
    </message>
    <message>
        <source>The file %1 has been changed by another program since Tagrota read it.</source>
        <translation>Die Datei %1 wurde von einem anderen Programm geändert, seit Tagrota sie gelesen hat.</translation>
    </message>
    <message>
        <source>&amp;Overwrite</source>
        <translation>Ü&amp;berschreiben</translation>
    </message>
    <message>
        <source>&amp;Reload</source>
        <translation>&amp;Neu laden</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>The file %1 could not be read: %2.<byte value="xd"/>
Your changes are still in the editor; nothing was lost.</source>
        <translation>Die Datei %1 konnte nicht gelesen werden: %2.<byte value="xd"/>
Ihre Änderungen sind weiterhin im Editor; nichts ging verloren.</translation>
    </message>
    <message>
        <source>The fixed signature file %1 has been removed by another program.<byte value="xd"/>
Tagrota goes on with the text in the Fixed tab; Save writes it there anew.</source>
        <translation>Die Datei der festen Signatur %1 wurde von einem anderen Programm entfernt.<byte value="xd"/>
Tagrota arbeitet mit dem Text auf der Registerkarte „Fest“ weiter; „Speichern“ legt die Datei dort neu an.</translation>
    </message>
    <message>
        <source>The signature collection file %1 has been removed by another program.<byte value="xd"/>
Tagrota goes on with the text in the Random tab; Save writes it there anew.</source>
        <translation>Die Sammlungsdatei %1 wurde von einem anderen Programm entfernt.<byte value="xd"/>
Tagrota arbeitet mit dem Text auf der Registerkarte „Zufällig“ weiter; „Speichern“ legt die Datei dort neu an.</translation>
    </message>
    <message>
        <source>The file %1 has been changed by another program.<byte value="xd"/>
Your unsaved changes in the Fixed tab are kept; Save asks whether to overwrite the file or reload it.</source>
        <translation>Die Datei %1 wurde von einem anderen Programm geändert.<byte value="xd"/>
Ihre nicht gespeicherten Änderungen auf der Registerkarte „Fest“ bleiben erhalten; „Speichern“ fragt, ob die Datei überschrieben oder neu geladen werden soll.</translation>
    </message>
    <message>
        <source>The file %1 has been changed by another program.<byte value="xd"/>
Your unsaved changes in the Random tab are kept; Save asks whether to overwrite the file or reload it.</source>
        <translation>Die Datei %1 wurde von einem anderen Programm geändert.<byte value="xd"/>
Ihre nicht gespeicherten Änderungen auf der Registerkarte „Zufällig“ bleiben erhalten; „Speichern“ fragt, ob die Datei überschrieben oder neu geladen werden soll.</translation>
    </message>
    <message>
        <source>The fixed signature has changes that are not saved.</source>
        <translation>Die feste Signatur hat nicht gespeicherte Änderungen.</translation>
    </message>
    <message>
        <source>The signature collection has changes that are not saved.</source>
        <translation>Die Signatursammlung hat nicht gespeicherte Änderungen.</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Verwerfen</translation>
    </message>
    <message>
        <source>The file %1 could not be saved: %2.<byte value="xd"/>
Your changes are still in the editor; nothing was lost.</source>
        <translation>Die Datei %1 konnte nicht gespeichert werden: %2.<byte value="xd"/>
Ihre Änderungen sind weiterhin im Editor; nichts ging verloren.</translation>
    </message>
</context>
<context>
    <name>FileSystem</name>
    <message>
        <source>%1 GiB</source>
        <translation>%1 GiB</translation>
    </message>
    <message>
        <source>%1 MiB</source>
        <translation>%1 MiB</translation>
    </message>
    <message>
        <source>%1 KiB</source>
        <translation>%1 KiB</translation>
    </message>
    <message>
        <source>it is %1 (%2 bytes), more than the %3 MiB Tagrota reads</source>
        <translation>sie ist %1 (%2 Bytes) groß, mehr als die %3 MiB, die Tagrota liest</translation>
    </message>
</context>
<context>
    <name>Finding</name>
    <message>
        <source>Not found</source>
        <translation>Nicht gefunden</translation>
    </message>
    <message>
        <source>Continued from the top</source>
        <translation>Am Anfang fortgesetzt</translation>
    </message>
    <message>
        <source>Continued from the bottom</source>
        <translation>Am Ende fortgesetzt</translation>
    </message>
    <message>
        <source>The collection %1 holds no duplicate or empty entries, no entries over the length limits (%2), no lines that end in white space, and one kind of line end.</source>
        <translation>Die Sammlung %1 enthält keine doppelten oder leeren Einträge, keine Einträge über den Längengrenzen (%2), keine Zeilen, die auf Leerraum enden, und nur eine Art von Zeilenende.</translation>
    </message>
    <message>
        <source>The collection %1 holds no duplicate or empty entries, no lines that end in white space, and one kind of line end.</source>
        <translation>Die Sammlung %1 enthält keine doppelten oder leeren Einträge, keine Zeilen, die auf Leerraum enden, und nur eine Art von Zeilenende.</translation>
    </message>
    <message>
        <source>Collection Check</source>
        <translation>Sammlung prüfen</translation>
    </message>
    <message>
        <source>%1 finding in %2. Double-click a line to go to its place in the Random tab.</source>
        <translation>%1 Fund in %2. Doppelklicken Sie auf eine Zeile, um zu ihrer Stelle auf der Registerkarte „Zufällig“ zu gehen.</translation>
    </message>
    <message>
        <source>%1 findings in %2. Double-click a line to go to its place in the Random tab.</source>
        <translation>%1 Funde in %2. Doppelklicken Sie auf eine Zeile, um zu ihrer Stelle auf der Registerkarte „Zufällig“ zu gehen.</translation>
    </message>
    <message>
        <source>Findings</source>
        <translation>Funde</translation>
    </message>
    <message>
        <source>A double click goes to the finding&apos;s place</source>
        <translation>Ein Doppelklick geht zur Stelle des Funds</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
</context>
<context>
    <name>HelpCommands</name>
    <message>
        <source>The help file %1 is missing.</source>
        <translation>Die Hilfedatei %1 fehlt.</translation>
    </message>
    <message>
        <source>The help file %1 was not found.</source>
        <translation>Die Hilfedatei %1 wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>The help file %1 cannot be read: %2.</source>
        <translation>Die Hilfedatei %1 kann nicht gelesen werden: %2.</translation>
    </message>
</context>
<context>
    <name>IniSettings</name>
    <message>
        <source>it is not a valid settings file</source>
        <translation>sie ist keine gültige Einstellungsdatei</translation>
    </message>
    <message>
        <source>%1; Tagrota leaves it as it is and saves no settings</source>
        <translation>%1; Tagrota lässt sie unverändert und speichert keine Einstellungen</translation>
    </message>
</context>
<context>
    <name>NeverAgain</name>
    <message>
        <source>the list %1 is not a file of your own that only you may read and write</source>
        <translation>die Liste %1 ist keine eigene Datei, die nur Sie lesen und schreiben dürfen</translation>
    </message>
    <message>
        <source>the list %1 cannot be used: %2</source>
        <translation>die Liste %1 kann nicht verwendet werden: %2</translation>
    </message>
    <message>
        <source>the list %1 could not be read</source>
        <translation>die Liste %1 konnte nicht gelesen werden</translation>
    </message>
    <message>
        <source>the list %1 is damaged: it does not begin as a list does</source>
        <translation>die Liste %1 ist beschädigt: sie beginnt nicht wie eine solche Liste</translation>
    </message>
    <message>
        <source>the list %1 could not be written: its folder is missing, full or not private to you</source>
        <translation>die Liste %1 konnte nicht geschrieben werden: der zugehörige Ordner fehlt, ist voll oder gehört nicht Ihnen allein</translation>
    </message>
</context>
<context>
    <name>PrintSignature</name>
    <message>
        <source>The fixed signature file %1 could not be read: %2; the default fixed signature is used.</source>
        <translation>Die Datei der festen Signatur %1 konnte nicht gelesen werden: %2; die vorgegebene feste Signatur wird verwendet.</translation>
    </message>
    <message>
        <source>The signature collection file %1 is not used: %2; the default collection is used.</source>
        <translation>Die Sammlungsdatei %1 wird nicht verwendet: %2; die Standardsammlung wird verwendet.</translation>
    </message>
    <message>
        <source>The signature collection file %1 is not used: %2.</source>
        <translation>Die Sammlungsdatei %1 wird nicht verwendet: %2.</translation>
    </message>
    <message>
        <source>The default signature collection file %1 is not used either: %2.</source>
        <translation>Die Standard-Sammlungsdatei %1 wird ebenfalls nicht verwendet: %2.</translation>
    </message>
    <message>
        <source>No collection holds quotations: the signature is the fixed signature alone.</source>
        <translation>Keine Sammlung enthält Zitate: Die Signatur besteht nur aus der festen Signatur.</translation>
    </message>
</context>
<context>
    <name>ProgramFiles</name>
    <message>
        <source>it is also your fixed signature file, which Tagrota never writes over</source>
        <translation>sie ist zugleich die Datei Ihrer festen Signatur, die Tagrota nie überschreibt</translation>
    </message>
    <message>
        <source>it is also your signature collection, which Tagrota never writes over</source>
        <translation>sie ist zugleich Ihre Signatursammlung, die Tagrota nie überschreibt</translation>
    </message>
    <message>
        <source>it is the signature collection chosen for the next start, which Tagrota never writes over</source>
        <translation>sie ist die für den nächsten Start gewählte Signatursammlung, die Tagrota nie überschreibt</translation>
    </message>
    <message>
        <source>it is Tagrota&apos;s own %1, which Tagrota never writes a signature into</source>
        <translation>es handelt sich um Tagrotas eigene Datei (%1), in die Tagrota nie eine Signatur schreibt</translation>
    </message>
</context>
<context>
    <name>ProgramFolders</name>
    <message>
        <source>%1 belongs to another user</source>
        <translation>%1 gehört einem anderen Benutzer</translation>
    </message>
    <message>
        <source>every user can write to %1</source>
        <translation>jeder Benutzer kann in %1 schreiben</translation>
    </message>
    <message>
        <source>the group of %1 can write to it</source>
        <translation>die Gruppe von %1 kann darin schreiben</translation>
    </message>
</context>
<context>
    <name>QtAccessibility</name>
    <message>
        <source>Vertical</source>
        <translation>Vertikal</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Horizontal</translation>
    </message>
</context>
<context>
    <name>QtFindBar</name>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation>Weitersuchen</translation>
    </message>
    <message>
        <source>Next (F3, Enter)</source>
        <translation>Nächster Treffer (F3, Eingabe)</translation>
    </message>
    <message>
        <source>Find Previous</source>
        <translation>Rückwärts suchen</translation>
    </message>
    <message>
        <source>Previous (Shift+F3, Shift+Enter)</source>
        <translation>Vorheriger Treffer (Umschalt+F3, Umschalt+Eingabe)</translation>
    </message>
    <message>
        <source>Match case</source>
        <translation>Groß-/Kleinschreibung</translation>
    </message>
    <message>
        <source>Wrap around</source>
        <translation>Am Ende fortsetzen</translation>
    </message>
    <message>
        <source>Close the find bar (Escape)</source>
        <translation>Suchleiste schließen (Esc)</translation>
    </message>
    <message>
        <source>Close the Find Bar</source>
        <translation>Suchleiste schließen</translation>
    </message>
</context>
<context>
    <name>QtScintillaEditor</name>
    <message>
        <source>The collection cannot be shown here: its editor is missing.

%1

The collection is kept as it is, and saved unchanged.</source>
        <translation>Die Sammlung kann hier nicht angezeigt werden: Der zugehörige Editor fehlt.

%1

Die Sammlung bleibt, wie sie ist, und wird unverändert gespeichert.</translation>
    </message>
    <message>
        <source>Loading the text… %1 %</source>
        <translation>Text wird geladen… %1 %</translation>
    </message>
</context>
<context>
    <name>QtSettingsStore</name>
    <message>
        <source>Is a directory</source>
        <translation>Ist ein Verzeichnis</translation>
    </message>
    <message>
        <source>it could not be read</source>
        <translation>sie konnte nicht gelesen werden</translation>
    </message>
    <message>
        <source>settings file</source>
        <translation>Einstellungsdatei</translation>
    </message>
    <message>
        <source>%1; Tagrota leaves it as it is and saves no settings</source>
        <translation>%1; Tagrota lässt sie unverändert und speichert keine Einstellungen</translation>
    </message>
    <message>
        <source>it is not a valid settings file</source>
        <translation>sie ist keine gültige Einstellungsdatei</translation>
    </message>
    <message>
        <source>it is not a valid settings file. A copy of it is kept as %1</source>
        <translation>sie ist keine gültige Einstellungsdatei. Eine Kopie davon wird als %1 aufbewahrt</translation>
    </message>
    <message>
        <source>it is not a valid settings file, and no copy of it could be made; Tagrota leaves it as it is and saves no settings</source>
        <translation>sie ist keine gültige Einstellungsdatei, und es konnte keine Kopie davon angelegt werden; Tagrota lässt sie unverändert und speichert keine Einstellungen</translation>
    </message>
    <message>
        <source>it could not be read whole when Tagrota started, and is left as it was</source>
        <translation>sie konnte beim Start von Tagrota nicht vollständig gelesen werden und bleibt unverändert</translation>
    </message>
</context>
<context>
    <name>QtSingleInstance</name>
    <message>
        <source>single-instance socket</source>
        <translation>Socket-Datei für den Einzelstart</translation>
    </message>
    <message>
        <source>single-instance lock file</source>
        <translation>Sperrdatei für den Einzelstart</translation>
    </message>
</context>
<context>
    <name>QtToolbar</name>
    <message>
        <source>More Buttons</source>
        <translation>Weitere Schaltflächen</translation>
    </message>
</context>
<context>
    <name>QtWindow</name>
    <message>
        <source>%1<byte value="xd"/>
The Random tab shows the collection in a plain editor, which is slow with very large collections.</source>
        <translation>%1<byte value="xd"/>
Die Registerkarte „Zufällig“ zeigt die Sammlung in einem einfachen Editor, der bei sehr großen Sammlungen langsam ist.</translation>
    </message>
</context>
<context>
    <name>ScintillaModule</name>
    <message>
        <source>The module %1 could not be loaded: %2.</source>
        <translation>Das Modul %1 konnte nicht geladen werden: %2.</translation>
    </message>
    <message>
        <source>no reason given</source>
        <translation>kein Grund angegeben</translation>
    </message>
    <message>
        <source>The module %1 does not make the view (%2 is missing).</source>
        <translation>Das Modul %1 stellt die Ansicht nicht bereit (%2 fehlt).</translation>
    </message>
    <message>
        <source>The editor&apos;s module %1 is not loaded, since it is not in a safe place: %2.</source>
        <translation>Das Editor-Modul %1 wird nicht geladen, da es nicht an einem sicheren Ort liegt: %2.</translation>
    </message>
</context>
<context>
    <name>SetAside</name>
    <message>
        <source>The current signature holds no quotation to set aside.</source>
        <translation>Die aktuelle Signatur enthält kein Zitat, das zurückgelegt werden könnte.</translation>
    </message>
    <message>
        <source>The quotation could not be set aside for the collection %1: %2.</source>
        <translation>Das Zitat konnte für die Sammlung %1 nicht zurückgelegt werden: %2.</translation>
    </message>
    <message>
        <source>Every quotation of the collection %1 is set aside, so the signature is your fixed signature alone.<byte value="xd"/>
Commands, Set-Aside Quotations takes them back.</source>
        <translation>Alle Zitate der Sammlung %1 sind zurückgelegt, daher besteht die Signatur nur aus Ihrer festen Signatur.<byte value="xd"/>
Unter „Befehle &gt; Zurückgelegte Zitate“ können Sie sie zurückholen.</translation>
    </message>
    <message>
        <source>Set-Aside Quotations</source>
        <translation>Zurückgelegte Zitate</translation>
    </message>
    <message>
        <source>Take Back or a double click puts one back</source>
        <translation>„Zurückholen“ oder ein Doppelklick holt eines zurück</translation>
    </message>
    <message>
        <source>&amp;Take Back</source>
        <translation>&amp;Zurückholen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Nothing is set aside for %1: %2.</source>
        <translation>Für %1 ist nichts zurückgelegt: %2.</translation>
    </message>
    <message>
        <source>No quotation of %1 is set aside.</source>
        <translation>Kein Zitat aus %1 ist zurückgelegt.</translation>
    </message>
    <message>
        <source>%1 quotation of %2 set aside. Take Back (or a double click) puts one back into the rotation.</source>
        <translation>%1 Zitat aus %2 zurückgelegt. „Zurückholen“ (oder ein Doppelklick) nimmt es wieder in den Wechsel auf.</translation>
    </message>
    <message>
        <source>%1 quotations of %2 set aside. Take Back (or a double click) puts one back into the rotation.</source>
        <translation>%1 Zitate aus %2 zurückgelegt. „Zurückholen“ (oder ein Doppelklick) nimmt eines wieder in den Wechsel auf.</translation>
    </message>
    <message>
        <source>The quotation could not be taken back: %1.</source>
        <translation>Das Zitat konnte nicht zurückgeholt werden: %1.</translation>
    </message>
</context>
<context>
    <name>SettingsTab</name>
    <message>
        <source>All Files</source>
        <translation>Alle Dateien</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Open Collection File</source>
        <translation>Sammlungsdatei öffnen</translation>
    </message>
    <message>
        <source>Open Signature File</source>
        <translation>Signaturdatei öffnen</translation>
    </message>
    <message>
        <source>The file %1 is your fixed signature file, which cannot be the signature collection too. The collection was not changed.</source>
        <translation>Die Datei %1 ist Ihre feste Signatur und kann nicht zugleich die Signatursammlung sein. Die Sammlung wurde nicht geändert.</translation>
    </message>
    <message>
        <source>You have selected a different collection file to use.<byte value="xd"/>
Do you want to load the new file now? If you answer &apos;No&apos;<byte value="xd"/>
it will be loaded the next time you start Tagrota.</source>
        <translation>Sie haben eine andere Sammlungsdatei gewählt.<byte value="xd"/>
Möchten Sie die neue Datei jetzt laden? Wenn Sie „Nein“ antworten,<byte value="xd"/>
wird sie beim nächsten Start von Tagrota geladen.</translation>
    </message>
    <message>
        <source>Collection Change</source>
        <translation>Sammlung wechseln</translation>
    </message>
    <message>
        <source>Save them to %1 before the new collection is loaded?</source>
        <translation>Vor dem Laden der neuen Sammlung in %1 speichern?</translation>
    </message>
    <message>
        <source>Reading %1…</source>
        <translation>%1 wird gelesen…</translation>
    </message>
    <message>
        <source>The file %1 is invalid. This file was NOT loaded.</source>
        <translation>Die Datei %1 ist ungültig. Diese Datei wurde NICHT geladen.</translation>
    </message>
    <message>
        <source>The file %1 could not be read: %2. This file was NOT loaded.</source>
        <translation>Die Datei %1 konnte nicht gelesen werden: %2. Diese Datei wurde NICHT geladen.</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>The settings file %1 could not be read whole: %2.<byte value="xd"/>
Settings that could not be read are at their defaults.</source>
        <translation>Die Einstellungsdatei %1 konnte nicht vollständig gelesen werden: %2.<byte value="xd"/>
Nicht lesbare Einstellungen haben ihre Standardwerte.</translation>
    </message>
    <message>
        <source>Sequential</source>
        <translation>Der Reihe nach</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Zufällig</translation>
    </message>
    <message>
        <source>The fixed signature file %1 could not be read: %2.<byte value="xd"/>
A default fixed signature is used until it can be read.</source>
        <translation>Die Datei der festen Signatur %1 konnte nicht gelesen werden: %2.<byte value="xd"/>
Bis sie gelesen werden kann, wird eine feste Standardsignatur verwendet.</translation>
    </message>
    <message>
        <source>The signature collection file %1 could not be created: %2.<byte value="xd"/>
Placeholder quotations are used for this run.</source>
        <translation>Die Sammlungsdatei %1 konnte nicht angelegt werden: %2.<byte value="xd"/>
Für diesen Lauf werden Platzhalter-Zitate verwendet.</translation>
    </message>
    <message>
        <source>Your specified signature collection file is your fixed signature file, which cannot be a collection too.</source>
        <translation>Die von Ihnen angegebene Sammlungsdatei ist Ihre feste Signatur und kann nicht zugleich eine Sammlung sein.</translation>
    </message>
    <message>
        <source>Your specified signature collection file could not be read: %1.</source>
        <translation>Die von Ihnen angegebene Sammlungsdatei konnte nicht gelesen werden: %1.</translation>
    </message>
    <message>
        <source>Your specified signature collection file does not hold any signatures.</source>
        <translation>Die von Ihnen angegebene Sammlungsdatei enthält keine Signaturen.</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>FEHLER</translation>
    </message>
    <message>
        <source>The Default is being used. The unreadable file name is:<byte value="xd"/>
%1</source>
        <translation>Die Standardsammlung wird verwendet. Der Name der nicht lesbaren Datei lautet:<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>The Default is being used. The invalid file name is:<byte value="xd"/>
%1</source>
        <translation>Die Standardsammlung wird verwendet. Der Name der ungültigen Datei lautet:<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>The default signature collection file %1 could not be created: %2.</source>
        <translation>Die Standard-Sammlungsdatei %1 konnte nicht angelegt werden: %2.</translation>
    </message>
    <message>
        <source>Until a collection that holds signatures is chosen on the Settings tab, each signature is your fixed signature alone.</source>
        <translation>Bis auf der Registerkarte „Einstellungen“ eine Sammlung mit Signaturen gewählt ist, besteht jede Signatur nur aus Ihrer festen Signatur.</translation>
    </message>
    <message>
        <source>It is the default collection file, so no quotations are available from it:<byte value="xd"/>
%1</source>
        <translation>Es ist die Standard-Sammlungsdatei; daraus sind also keine Zitate verfügbar:<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>The default collection file does not hold any either.</source>
        <translation>Die Standard-Sammlungsdatei enthält ebenfalls keine.</translation>
    </message>
    <message>
        <source>The default collection file could not be read either: %1.</source>
        <translation>Die Standard-Sammlungsdatei konnte ebenfalls nicht gelesen werden: %1.</translation>
    </message>
    <message>
        <source>No quotations are available from either file:<byte value="xd"/>
%1<byte value="xd"/>
%2</source>
        <translation>Aus keiner der beiden Dateien sind Zitate verfügbar:<byte value="xd"/>
%1<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>The current signature file %1 could not be written: %2.<byte value="xd"/>
Tagrota keeps trying at every rotation and tells you again only after a write has succeeded.</source>
        <translation>Die aktuelle Signaturdatei %1 konnte nicht geschrieben werden: %2.<byte value="xd"/>
Tagrota versucht es bei jedem Wechsel erneut und meldet sich erst wieder, nachdem ein Schreiben gelungen ist.</translation>
    </message>
    <message>
        <source>%1 line of %2 columns</source>
        <translation>%1 Zeile zu %2 Spalten</translation>
    </message>
    <message>
        <source>%1 lines of %2 columns</source>
        <translation>%1 Zeilen zu %2 Spalten</translation>
    </message>
    <message>
        <source>%1 line</source>
        <translation>%1 Zeile</translation>
    </message>
    <message>
        <source>%1 lines</source>
        <translation>%1 Zeilen</translation>
    </message>
    <message>
        <source>%1 columns</source>
        <translation>%1 Spalten</translation>
    </message>
    <message>
        <source>No quotation of the collection makes a signature within %1 with your fixed signature, so the shortest one is used.<byte value="xd"/>
Tagrota tells you again only after a quotation has fit.</source>
        <translation>Kein Zitat der Sammlung ergibt mit Ihrer festen Signatur eine Signatur innerhalb von %1; daher wird das kürzeste verwendet.<byte value="xd"/>
Tagrota meldet sich erst wieder, nachdem ein Zitat gepasst hat.</translation>
    </message>
</context>
<context>
    <name>StdFileSystem</name>
    <message>
        <source>Not a regular file</source>
        <translation>Keine reguläre Datei</translation>
    </message>
    <message>
        <source>it is a link that another user placed in the shared folder %1, and Tagrota does not follow such links</source>
        <translation>es handelt sich um eine Verknüpfung, die ein anderer Benutzer im gemeinsam genutzten Ordner %1 angelegt hat, und Tagrota folgt solchen Verknüpfungen nicht</translation>
    </message>
    <message>
        <source>it is a file that another user placed in the shared folder %1, and Tagrota does not take such files for the user&apos;s own</source>
        <translation>es handelt sich um eine Datei, die ein anderer Benutzer im gemeinsam genutzten Ordner %1 abgelegt hat, und Tagrota hält solche Dateien nicht für Ihre eigenen</translation>
    </message>
    <message>
        <source>it has %1 names (hard links) in the shared folder %2, where another user may hold one, and Tagrota does not write such files</source>
        <translation>sie hat %1 Namen (harte Links) im gemeinsam genutzten Ordner %2, wo ein anderer Benutzer einen davon besitzen kann, und Tagrota schreibt keine solchen Dateien</translation>
    </message>
    <message>
        <source>there is not enough memory to read its %1 bytes</source>
        <translation>der Arbeitsspeicher reicht nicht aus, um ihre %1 Bytes zu lesen</translation>
    </message>
    <message>
        <source>no whole copy of it could be kept while it is rewritten (%1), so it was left as it was</source>
        <translation>während des Neuschreibens konnte keine vollständige Kopie davon angelegt werden (%1), daher wurde sie unverändert gelassen</translation>
    </message>
    <message>
        <source>there is no place for one</source>
        <translation>dafür steht kein Ort zur Verfügung</translation>
    </message>
    <message>
        <source>no backup of it is left</source>
        <translation>es ist keine Sicherung davon mehr vorhanden</translation>
    </message>
</context>
<context>
    <name>TextFile</name>
    <message>
        <source>there is not enough memory to hold its %1 bytes as text</source>
        <translation>der Arbeitsspeicher reicht nicht aus, um ihre %1 Bytes als Text aufzunehmen</translation>
    </message>
</context>
<context>
    <name>TrayMode</name>
    <message>
        <source>&amp;Restore Tagrota!</source>
        <translation>Tagrota! &amp;wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;Next Quotation</source>
        <translation>&amp;Nächstes Zitat</translation>
    </message>
    <message>
        <source>Ne&amp;ver This One Again</source>
        <translation>&amp;Dieses nie wieder</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Tagrota! Signature Changer</source>
        <translation>Tagrota! Signaturwechsler</translation>
    </message>
</context>
<context>
    <name>WindowMain</name>
    <message>
        <source>Tagrota is already running with the settings in %1, but it did not answer.<byte value="xd"/>
Close it, or end it from a system monitor, then start Tagrota again.</source>
        <translation>Tagrota läuft bereits mit den Einstellungen in %1, antwortet aber nicht.<byte value="xd"/>
Schließen Sie es oder beenden Sie es über eine Systemüberwachung und starten Sie Tagrota dann erneut.</translation>
    </message>
    <message>
        <source>Tagrota cannot create the folder for its files, %1: %2.<byte value="xd"/>
The files that belong there cannot be kept.</source>
        <translation>Tagrota kann den Ordner für seine Dateien nicht anlegen, %1: %2.<byte value="xd"/>
Die Dateien, die dorthin gehören, können nicht aufbewahrt werden.</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Tagrota keeps your mail or news signature fresh. By the Tagrota developers. Your files: beside the program, or ~/.local/share/Tagrota if installed.</source>
        <translation>Tagrota hält Ihre Mail- oder News-Signatur frisch. Von den Tagrota-Entwicklern. Ihre Dateien: neben dem Programm oder, falls installiert, in ~/.local/share/Tagrota.</translation>
    </message>
    <message>
        <source>Tagrota&apos;s sources are free software under the MIT licence. The program as built links QScintilla and is therefore under the GNU GPL version 3.

Tagrota comes with no warranty of any kind. You use it at your own risk; its authors are not liable for any loss it may cause.</source>
        <translation>Tagrotas Quelltext ist freie Software unter der MIT-Lizenz. Das gebaute Programm bindet QScintilla ein und steht daher unter der GNU GPL Version 3.

Tagrota kommt ohne jede Gewährleistung. Die Nutzung erfolgt auf eigenes Risiko; die Autoren haften nicht für Schäden durch das Programm.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Starts the system information program</source>
        <translation>Startet das Programm für Systeminformationen</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>&amp;Systeminfo...</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Systeminformationen sind zurzeit nicht verfügbar</translation>
    </message>
</context>
<context>
    <name>frmHelp</name>
    <message>
        <source>Tagrota Help</source>
        <translation>Tagrota-Hilfe</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
</context>
</TS>
