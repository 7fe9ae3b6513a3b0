<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
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
