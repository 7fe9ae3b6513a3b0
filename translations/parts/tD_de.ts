<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
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
</TS>
