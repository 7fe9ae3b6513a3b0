<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>CollectionCheck</name>
    <message>
        <source>%1 lines</source>
        <translation>%1 lignes</translation>
    </message>
    <message>
        <source>%1 columns</source>
        <translation>%1 colonnes</translation>
    </message>
    <message>
        <source>makes a signature of %1 lines (limit %2) and %3 columns wide (limit %4)</source>
        <translation>donne une signature de %1 lignes (limite %2) et de %3 colonnes de large (limite %4)</translation>
    </message>
    <message>
        <source>makes a signature of %1 lines (limit %2)</source>
        <translation>donne une signature de %1 lignes (limite %2)</translation>
    </message>
    <message>
        <source>makes a signature %1 columns wide (limit %2)</source>
        <translation>donne une signature de %1 colonnes de large (limite %2)</translation>
    </message>
    <message>
        <source>Entry %1 (line %2): %3</source>
        <translation>Entrée %1 (ligne %2) : %3</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vide</translation>
    </message>
    <message>
        <source>the same as entry %1 (line %2)</source>
        <translation>identique à l’entrée %1 (ligne %2)</translation>
    </message>
    <message>
        <source>white space at the end of line %1</source>
        <translation>espaces à la fin de la ligne %1</translation>
    </message>
    <message>
        <source>The file mixes its line ends (%1); line %2 is the first to end otherwise than the first line. A save writes them all as the first line does.</source>
        <translation>Le fichier mélange plusieurs fins de ligne (%1) ; la ligne %2 est la première à se terminer autrement que la première ligne. L’enregistrement les écrit toutes comme celle de la première ligne.</translation>
    </message>
</context>
<context>
    <name>CollectionChoice</name>
    <message>
        <source>it does not exist</source>
        <translation>il n’existe pas</translation>
    </message>
    <message>
        <source>it could not be read: %1</source>
        <translation>il n’a pas pu être lu : %1</translation>
    </message>
    <message>
        <source>it holds no signatures</source>
        <translation>il ne contient aucune signature</translation>
    </message>
    <message>
        <source>it is your fixed signature file</source>
        <translation>c’est votre fichier de signature fixe</translation>
    </message>
</context>
<context>
    <name>FileSystem</name>
    <message>
        <source>%1 GiB</source>
        <translation>%1 Gio</translation>
    </message>
    <message>
        <source>%1 MiB</source>
        <translation>%1 Mio</translation>
    </message>
    <message>
        <source>%1 KiB</source>
        <translation>%1 Kio</translation>
    </message>
    <message>
        <source>it is %1 (%2 bytes), more than the %3 MiB Tagrota reads</source>
        <translation>sa taille est de %1 (%2 octets), au-delà des %3 Mio que Tagrota lit</translation>
    </message>
</context>
<context>
    <name>IniSettings</name>
    <message>
        <source>it is not a valid settings file</source>
        <translation>ce n’est pas un fichier de paramètres valide</translation>
    </message>
    <message>
        <source>%1; Tagrota leaves it as it is and saves no settings</source>
        <translation>%1 ; Tagrota le laisse tel quel et n’enregistre aucun paramètre</translation>
    </message>
</context>
<context>
    <name>NeverAgain</name>
    <message>
        <source>the list %1 is not a file of your own that only you may read and write</source>
        <translation>la liste %1 n’est pas un fichier vous appartenant que vous seul pouvez lire et écrire</translation>
    </message>
    <message>
        <source>the list %1 cannot be used: %2</source>
        <translation>la liste %1 ne peut pas être utilisée : %2</translation>
    </message>
    <message>
        <source>the list %1 could not be read</source>
        <translation>la liste %1 n’a pas pu être lue</translation>
    </message>
    <message>
        <source>the list %1 is damaged: it does not begin as a list does</source>
        <translation>la liste %1 est endommagée : elle ne commence pas comme une telle liste</translation>
    </message>
    <message>
        <source>the list %1 could not be written: its folder is missing, full or not private to you</source>
        <translation>la liste %1 n’a pas pu être écrite : son dossier est absent, plein ou ne vous est pas réservé</translation>
    </message>
</context>
<context>
    <name>PrintSignature</name>
    <message>
        <source>The fixed signature file %1 could not be read: %2; the default fixed signature is used.</source>
        <translation>Impossible de lire le fichier de signature fixe %1 : %2 ; la signature fixe par défaut est utilisée.</translation>
    </message>
    <message>
        <source>The signature collection file %1 is not used: %2; the default collection is used.</source>
        <translation>Le fichier de recueil %1 n’est pas utilisé : %2 ; le recueil par défaut est utilisé.</translation>
    </message>
    <message>
        <source>The signature collection file %1 is not used: %2.</source>
        <translation>Le fichier de recueil %1 n’est pas utilisé : %2.</translation>
    </message>
    <message>
        <source>The default signature collection file %1 is not used either: %2.</source>
        <translation>Le fichier de recueil par défaut %1 n’est pas utilisé non plus : %2.</translation>
    </message>
    <message>
        <source>No collection holds quotations: the signature is the fixed signature alone.</source>
        <translation>Aucun recueil ne contient de citations : la signature se réduit à la signature fixe.</translation>
    </message>
</context>
<context>
    <name>ProgramFiles</name>
    <message>
        <source>it is also your fixed signature file, which Tagrota never writes over</source>
        <translation>c’est aussi votre fichier de signature fixe, que Tagrota n’écrase jamais</translation>
    </message>
    <message>
        <source>it is also your signature collection, which Tagrota never writes over</source>
        <translation>c’est aussi votre recueil de signatures, que Tagrota n’écrase jamais</translation>
    </message>
    <message>
        <source>it is the signature collection chosen for the next start, which Tagrota never writes over</source>
        <translation>c’est le recueil de signatures choisi pour le prochain démarrage, que Tagrota n’écrase jamais</translation>
    </message>
    <message>
        <source>it is Tagrota&apos;s own %1, which Tagrota never writes a signature into</source>
        <translation>c’est un fichier propre à Tagrota (%1), dans lequel Tagrota n’écrit jamais de signature</translation>
    </message>
</context>
<context>
    <name>ProgramFolders</name>
    <message>
        <source>%1 belongs to another user</source>
        <translation>%1 appartient à un autre utilisateur</translation>
    </message>
    <message>
        <source>every user can write to %1</source>
        <translation>tous les utilisateurs peuvent écrire dans %1</translation>
    </message>
    <message>
        <source>the group of %1 can write to it</source>
        <translation>le groupe de %1 peut y écrire</translation>
    </message>
</context>
<context>
    <name>StdFileSystem</name>
    <message>
        <source>Not a regular file</source>
        <translation>Pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>it is a link that another user placed in the shared folder %1, and Tagrota does not follow such links</source>
        <translation>c’est un lien qu’un autre utilisateur a placé dans le dossier partagé %1, et Tagrota ne suit pas de tels liens</translation>
    </message>
    <message>
        <source>it is a file that another user placed in the shared folder %1, and Tagrota does not take such files for the user&apos;s own</source>
        <translation>c’est un fichier qu’un autre utilisateur a placé dans le dossier partagé %1, et Tagrota ne considère pas de tels fichiers comme les vôtres</translation>
    </message>
    <message>
        <source>it has %1 names (hard links) in the shared folder %2, where another user may hold one, and Tagrota does not write such files</source>
        <translation>il a %1 noms (liens physiques) dans le dossier partagé %2, où un autre utilisateur peut en détenir un, et Tagrota n’écrit pas de tels fichiers</translation>
    </message>
    <message>
        <source>there is not enough memory to read its %1 bytes</source>
        <translation>la mémoire ne suffit pas pour lire ses %1 octets</translation>
    </message>
    <message>
        <source>no whole copy of it could be kept while it is rewritten (%1), so it was left as it was</source>
        <translation>aucune copie complète n’a pu en être conservée pendant sa réécriture (%1), il a donc été laissé tel quel</translation>
    </message>
    <message>
        <source>there is no place for one</source>
        <translation>aucun emplacement n’est disponible pour cela</translation>
    </message>
    <message>
        <source>no backup of it is left</source>
        <translation>il n’en reste aucune sauvegarde</translation>
    </message>
</context>
<context>
    <name>TextFile</name>
    <message>
        <source>there is not enough memory to hold its %1 bytes as text</source>
        <translation>la mémoire ne suffit pas pour contenir ses %1 octets sous forme de texte</translation>
    </message>
</context>
</TS>
