<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>QtAccessibility</name>
    <message>
        <source>Vertical</source>
        <translation>Verticale</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Horizontale</translation>
    </message>
</context>
<context>
    <name>QtFindBar</name>
    <message>
        <source>Find</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation>Rechercher le suivant</translation>
    </message>
    <message>
        <source>Next (F3, Enter)</source>
        <translation>Suivant (F3, Entrée)</translation>
    </message>
    <message>
        <source>Find Previous</source>
        <translation>Rechercher le précédent</translation>
    </message>
    <message>
        <source>Previous (Shift+F3, Shift+Enter)</source>
        <translation>Précédent (Maj+F3, Maj+Entrée)</translation>
    </message>
    <message>
        <source>Match case</source>
        <translation>Respecter la casse</translation>
    </message>
    <message>
        <source>Wrap around</source>
        <translation>Boucler</translation>
    </message>
    <message>
        <source>Close the find bar (Escape)</source>
        <translation>Fermer la barre de recherche (Échap)</translation>
    </message>
    <message>
        <source>Close the Find Bar</source>
        <translation>Fermer la barre de recherche</translation>
    </message>
</context>
<context>
    <name>QtScintillaEditor</name>
    <message>
        <source>The collection cannot be shown here: its editor is missing.

%1

The collection is kept as it is, and saved unchanged.</source>
        <translation>Le recueil ne peut pas être affiché ici : son éditeur est manquant.

%1

Le recueil est conservé tel quel et enregistré sans modification.</translation>
    </message>
    <message>
        <source>Loading the text… %1 %</source>
        <translation>Chargement du texte… %1 %</translation>
    </message>
</context>
<context>
    <name>QtSettingsStore</name>
    <message>
        <source>Is a directory</source>
        <translation>Est un dossier</translation>
    </message>
    <message>
        <source>it could not be read</source>
        <translation>il n&apos;a pas pu être lu</translation>
    </message>
    <message>
        <source>settings file</source>
        <translation>fichier de paramètres</translation>
    </message>
    <message>
        <source>%1; Tagrota leaves it as it is and saves no settings</source>
        <translation>%1 ; Tagrota le laisse tel quel et n&apos;enregistre aucun paramètre</translation>
    </message>
    <message>
        <source>it is not a valid settings file</source>
        <translation>ce n&apos;est pas un fichier de paramètres valide</translation>
    </message>
    <message>
        <source>it is not a valid settings file. A copy of it is kept as %1</source>
        <translation>ce n&apos;est pas un fichier de paramètres valide. Une copie en est conservée sous %1</translation>
    </message>
    <message>
        <source>it is not a valid settings file, and no copy of it could be made; Tagrota leaves it as it is and saves no settings</source>
        <translation>ce n&apos;est pas un fichier de paramètres valide, et aucune copie n&apos;a pu en être faite ; Tagrota le laisse tel quel et n&apos;enregistre aucun paramètre</translation>
    </message>
    <message>
        <source>it could not be read whole when Tagrota started, and is left as it was</source>
        <translation>il n&apos;a pas pu être lu entièrement au démarrage de Tagrota et reste tel qu&apos;il était</translation>
    </message>
</context>
<context>
    <name>QtSingleInstance</name>
    <message>
        <source>single-instance socket</source>
        <translation>fichier de socket d&apos;instance unique</translation>
    </message>
    <message>
        <source>single-instance lock file</source>
        <translation>fichier de verrou d&apos;instance unique</translation>
    </message>
</context>
<context>
    <name>QtToolbar</name>
    <message>
        <source>More Buttons</source>
        <translation>Autres boutons</translation>
    </message>
</context>
<context>
    <name>QtWindow</name>
    <message>
        <source>%1<byte value="xd"/>
The Random tab shows the collection in a plain editor, which is slow with very large collections.</source>
        <translation>%1<byte value="xd"/>
L&apos;onglet « Aléatoire » affiche le recueil dans un éditeur simple, qui est lent avec de très grands recueils.</translation>
    </message>
</context>
<context>
    <name>ScintillaModule</name>
    <message>
        <source>The module %1 could not be loaded: %2.</source>
        <translation>Le module %1 n&apos;a pas pu être chargé : %2.</translation>
    </message>
    <message>
        <source>no reason given</source>
        <translation>aucune raison indiquée</translation>
    </message>
    <message>
        <source>The module %1 does not make the view (%2 is missing).</source>
        <translation>Le module %1 ne fournit pas la vue (%2 est absent).</translation>
    </message>
    <message>
        <source>The editor&apos;s module %1 is not loaded, since it is not in a safe place: %2.</source>
        <translation>Le module de l&apos;éditeur %1 n&apos;est pas chargé, car il ne se trouve pas dans un emplacement sûr : %2.</translation>
    </message>
</context>
<context>
    <name>WindowMain</name>
    <message>
        <source>Tagrota is already running with the settings in %1, but it did not answer.<byte value="xd"/>
Close it, or end it from a system monitor, then start Tagrota again.</source>
        <translation>Tagrota est déjà lancé avec les paramètres de %1, mais ne répond pas.<byte value="xd"/>
Fermez-le ou arrêtez-le depuis un moniteur système, puis relancez Tagrota.</translation>
    </message>
    <message>
        <source>Tagrota cannot create the folder for its files, %1: %2.<byte value="xd"/>
The files that belong there cannot be kept.</source>
        <translation>Tagrota ne peut pas créer le dossier de ses fichiers, %1 : %2.<byte value="xd"/>
Les fichiers qui doivent s&apos;y trouver ne peuvent pas être conservés.</translation>
    </message>
</context>
</TS>
