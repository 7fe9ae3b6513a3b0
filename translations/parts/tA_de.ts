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
</TS>
