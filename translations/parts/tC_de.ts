<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
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
</TS>
