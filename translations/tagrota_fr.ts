<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>Closing</name>
    <message>
        <source>Tagrota was ended last time while it saved %1, so that file may have been cut short. Its text from before that save was kept whole in %2 (%3; the file now holds %4).<byte value="xd"/>
<byte value="xd"/>
Restore %1 from its backup?<byte value="xd"/>
<byte value="xd"/>
No leaves the file as it is and keeps the backup as %5, which Tagrota does not use or remove.</source>
        <translation>Tagrota a été arrêté la dernière fois pendant l’enregistrement de %1&#xa0;; ce fichier est donc peut-être tronqué. Son texte d’avant cet enregistrement a été conservé intégralement dans %2 (%3&#xa0;; le fichier contient maintenant %4).<byte value="xd"/>
<byte value="xd"/>
Restaurer %1 à partir de sa sauvegarde&#xa0;?<byte value="xd"/>
<byte value="xd"/>
«&#xa0;Non&#xa0;» laisse le fichier tel quel et conserve la sauvegarde sous %5, que Tagrota n’utilise ni ne supprime.</translation>
    </message>
    <message>
        <source>Tagrota could not save its settings to %1: %2.<byte value="xd"/>
The next start uses the settings saved before.</source>
        <translation>Tagrota n’a pas pu enregistrer ses paramètres dans %1&#xa0;: %2.<byte value="xd"/>
Le prochain démarrage utilisera les paramètres enregistrés auparavant.</translation>
    </message>
    <message>
        <source>Save them to %1 before Tagrota closes?</source>
        <translation>Les enregistrer dans %1 avant la fermeture de Tagrota&#xa0;?</translation>
    </message>
    <message>
        <source>Your fixed signature:</source>
        <translation>Votre signature fixe&#xa0;:</translation>
    </message>
    <message>
        <source>Your signature collection:</source>
        <translation>Votre recueil de signatures&#xa0;:</translation>
    </message>
    <message>
        <source>Tagrota was ended last time (by the system or another program) while it held changes that were not saved. They were kept in files of their own:%1<byte value="xd"/>
<byte value="xd"/>
Your own files were left as they were last saved. Open the kept files to take what you need from them; Tagrota does not use or remove them.</source>
        <translation>Tagrota a été arrêté la dernière fois (par le système ou un autre programme) alors qu’il contenait des modifications non enregistrées. Elles ont été conservées dans des fichiers à part&#xa0;:%1<byte value="xd"/>
<byte value="xd"/>
Vos propres fichiers sont restés tels qu’ils avaient été enregistrés en dernier. Ouvrez les fichiers conservés pour y reprendre ce dont vous avez besoin&#xa0;; Tagrota ne les utilise ni ne les supprime.</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 octets</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>rien</translation>
    </message>
    <message>
        <source>%1 could not be restored from its backup: %2.<byte value="xd"/>
The backup stays in %3.</source>
        <translation>Impossible de restaurer %1 à partir de sa sauvegarde&#xa0;: %2.<byte value="xd"/>
La sauvegarde reste dans %3.</translation>
    </message>
</context>
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
        <translation>Entrée %1 (ligne %2)&#xa0;: %3</translation>
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
        <translation>Le fichier mélange plusieurs fins de ligne (%1)&#xa0;; la ligne %2 est la première à se terminer autrement que la première ligne. L’enregistrement les écrit toutes comme celle de la première ligne.</translation>
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
        <translation>il n’a pas pu être lu&#xa0;: %1</translation>
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
    <name>Commands</name>
    <message>
        <source>Exit Program</source>
        <translation>Quitter le programme</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Fixed Signature</source>
        <translation>Signature fixe</translation>
    </message>
    <message>
        <source>Show Random Sig File</source>
        <translation>Afficher le recueil de signatures</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Signature actuelle</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Paramètres</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos de Tagrota</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À pr&amp;opos</translation>
    </message>
    <message>
        <source>Brief Help on Tab</source>
        <translation>Aide rapide sur l’onglet</translation>
    </message>
    <message>
        <source>&amp;Brief Help on Tab</source>
        <translation>Aide &amp;rapide sur l’onglet</translation>
    </message>
    <message>
        <source>Next Quotation</source>
        <translation>Citation suivante</translation>
    </message>
    <message>
        <source>&amp;Next Quotation</source>
        <translation>&amp;Citation suivante</translation>
    </message>
    <message>
        <source>Stop changing the signature</source>
        <translation>Arrêter de changer la signature</translation>
    </message>
    <message>
        <source>S&amp;top Changing</source>
        <translation>&amp;Arrêter de changer</translation>
    </message>
    <message>
        <source>Random or Sequencial</source>
        <translation>Aléatoire ou séquentiel</translation>
    </message>
    <message>
        <source>&amp;Random or Sequential</source>
        <translation>Aléatoire ou &amp;séquentiel</translation>
    </message>
    <message>
        <source>Ne&amp;ver This One Again</source>
        <translation>Plus &amp;jamais celle-ci</translation>
    </message>
    <message>
        <source>Set-&amp;Aside Quotations...</source>
        <translation>Citations &amp;mises de côté...</translation>
    </message>
    <message>
        <source>&amp;Check the Collection...</source>
        <translation>&amp;Vérifier le recueil...</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Rechercher...</translation>
    </message>
    <message>
        <source>Find &amp;Next</source>
        <translation>Rechercher le &amp;suivant</translation>
    </message>
    <message>
        <source>Find &amp;Previous</source>
        <translation>Rechercher le &amp;précédent</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Ctrl</source>
        <translation>Ctrl</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Maj</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A toolbar button&apos;s tool tip: what the button does, then its keys.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Aléatoire</translation>
    </message>
    <message>
        <source>Sequential</source>
        <translation>Séquentiel</translation>
    </message>
</context>
<context>
    <name>Composition</name>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Fixed</source>
        <translation>Fixe</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Aléatoire</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Actuelle</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Infos</translation>
    </message>
    <message>
        <source>Brief Help on Tab</source>
        <translation>Aide rapide sur l’onglet</translation>
    </message>
    <message>
        <source>Next Quotation</source>
        <translation>Citation suivante</translation>
    </message>
    <message>
        <source>Stop Changing</source>
        <translation>Arrêt</translation>
    </message>
    <message>
        <source>Random or Sequential</source>
        <translation>Aléatoire ou séquentiel</translation>
    </message>
    <message>
        <source>The fixed signature, above every quotation</source>
        <translation>La signature fixe, au-dessus de chaque citation</translation>
    </message>
    <message>
        <source>The collection of quotations</source>
        <translation>Le recueil de citations</translation>
    </message>
    <message>
        <source>The signature written last</source>
        <translation>La dernière signature écrite</translation>
    </message>
    <message>
        <source>Rotation, word wrapping, the tray and the files</source>
        <translation>Changement, retour à la ligne, zone de notification et fichiers</translation>
    </message>
    <message>
        <source>Fixed Signature</source>
        <translation>Signature fixe</translation>
    </message>
    <message>
        <source>The lines above the quotation in every signature</source>
        <translation>Les lignes au-dessus de la citation dans chaque signature</translation>
    </message>
    <message>
        <source>Collection</source>
        <translation>Recueil</translation>
    </message>
    <message>
        <source>The quotations, separated by lines that hold a single %</source>
        <translation>Les citations, séparées par des lignes ne contenant qu’un %</translation>
    </message>
    <message>
        <source>Current Signature</source>
        <translation>Signature actuelle</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Commands</source>
        <translation>&amp;Commandes</translation>
    </message>
    <message>
        <source>An icon in the notification area; minimising hides the window</source>
        <translation>Une icône dans la zone de notification&#xa0;; réduire masque la fenêtre</translation>
    </message>
    <message>
        <source>Place in System Tray</source>
        <translation>Zone de notification</translation>
    </message>
    <message>
        <source>Start &amp;Minimized</source>
        <translation>Démarrer &amp;réduit</translation>
    </message>
    <message>
        <source>Each quotation wrapped again to the width below</source>
        <translation>Chaque citation remise en forme à la largeur ci-dessous</translation>
    </message>
    <message>
        <source>Enable Word Wrapping</source>
        <translation>Retour à la ligne</translation>
    </message>
    <message>
        <source>Every line within the width, over-long words split</source>
        <translation>Chaque ligne dans la largeur, mots trop longs coupés</translation>
    </message>
    <message>
        <source>Strictly &amp;Within the Width</source>
        <translation>Sans dépasser la &amp;largeur</translation>
    </message>
    <message>
        <source>Wrap Width</source>
        <translation>Largeur de ligne</translation>
    </message>
    <message>
        <source>Characters in a line of a quotation</source>
        <translation>Caractères par ligne d’une citation</translation>
    </message>
    <message>
        <source>Duration of signature, in seconds:</source>
        <translation>Durée de la signature, en secondes&#xa0;:</translation>
    </message>
    <message>
        <source>Duration of Signature</source>
        <translation>Durée de la signature</translation>
    </message>
    <message>
        <source>Seconds between two changes of the signature</source>
        <translation>Secondes entre deux changements de signature</translation>
    </message>
    <message>
        <source>Random Signatures Path and File Name:</source>
        <translation>Chemin du fichier de recueil&#xa0;:</translation>
    </message>
    <message>
        <source>Collection File</source>
        <translation>Fichier de recueil</translation>
    </message>
    <message>
        <source>The file of the quotations</source>
        <translation>Le fichier des citations</translation>
    </message>
    <message>
        <source>Choose the Collection File</source>
        <translation>Choisir le fichier de recueil</translation>
    </message>
    <message>
        <source>Current Signature Path and File Name:</source>
        <translation>Chemin de la signature actuelle&#xa0;:</translation>
    </message>
    <message>
        <source>Current Signature File</source>
        <translation>Fichier de signature actuelle</translation>
    </message>
    <message>
        <source>The file every change of the signature writes</source>
        <translation>Le fichier écrit à chaque changement de signature</translation>
    </message>
    <message>
        <source>Choose the Signature File</source>
        <translation>Choisir le fichier de signature</translation>
    </message>
    <message>
        <source>&amp;No Repeats Until Every Quotation Was Used</source>
        <translation>Sans répétition &amp;jusqu’à la fin du recueil</translation>
    </message>
    <message>
        <source>Longest signature, in lines and columns (0 = no limit):</source>
        <translation>Taille maximale en lignes et colonnes (0 = illimitée)&#xa0;:</translation>
    </message>
    <message>
        <source>Longest Signature, in Lines</source>
        <translation>Taille maximale en lignes</translation>
    </message>
    <message>
        <source>0 for no limit</source>
        <translation>0 pour illimitée</translation>
    </message>
    <message>
        <source>Longest Signature, in Columns</source>
        <translation>Taille maximale en colonnes</translation>
    </message>
    <message>
        <source>Sets the longest signature to 4 lines of 80 columns</source>
        <translation>Fixe la taille maximale à 4 lignes de 80 colonnes</translation>
    </message>
    <message>
        <source>4 lines of 80 columns (news and mailing lists)</source>
        <translation>4 lignes de 80 colonnes (news et listes de diffusion)</translation>
    </message>
</context>
<context>
    <name>Dialog</name>
    <message>
        <source>Tagrota Brief Help</source>
        <translation>Aide rapide de Tagrota</translation>
    </message>
    <message>
        <source>Brief Help</source>
        <translation>Aide rapide</translation>
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
        <translation>L’écraser avec la signature fixe affichée ici, ou le recharger et abandonner vos modifications&#xa0;?</translation>
    </message>
    <message>
        <source>Overwrite it with the signature collection shown here, or reload it and drop your changes?</source>
        <translation>L’écraser avec le recueil de signatures affiché ici, ou le recharger et abandonner vos modifications&#xa0;?</translation>
    </message>
    <message>
        <source>The file %1 has been changed by another program since Tagrota read it.</source>
        <translation>Le fichier %1 a été modifié par un autre programme depuis que Tagrota l’a lu.</translation>
    </message>
    <message>
        <source>&amp;Overwrite</source>
        <translation>É&amp;craser</translation>
    </message>
    <message>
        <source>&amp;Reload</source>
        <translation>&amp;Recharger</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>The file %1 could not be read: %2.<byte value="xd"/>
Your changes are still in the editor; nothing was lost.</source>
        <translation>Impossible de lire le fichier %1&#xa0;: %2.<byte value="xd"/>
Vos modifications sont toujours dans l’éditeur&#xa0;; rien n’a été perdu.</translation>
    </message>
    <message>
        <source>The fixed signature file %1 has been removed by another program.<byte value="xd"/>
Tagrota goes on with the text in the Fixed tab; Save writes it there anew.</source>
        <translation>Le fichier de signature fixe %1 a été supprimé par un autre programme.<byte value="xd"/>
Tagrota continue avec le texte de l’onglet «&#xa0;Fixe&#xa0;»&#xa0;; «&#xa0;Enregistrer&#xa0;» l’y écrit à nouveau.</translation>
    </message>
    <message>
        <source>The signature collection file %1 has been removed by another program.<byte value="xd"/>
Tagrota goes on with the text in the Random tab; Save writes it there anew.</source>
        <translation>Le fichier de recueil %1 a été supprimé par un autre programme.<byte value="xd"/>
Tagrota continue avec le texte de l’onglet «&#xa0;Aléatoire&#xa0;»&#xa0;; «&#xa0;Enregistrer&#xa0;» l’y écrit à nouveau.</translation>
    </message>
    <message>
        <source>The file %1 has been changed by another program.<byte value="xd"/>
Your unsaved changes in the Fixed tab are kept; Save asks whether to overwrite the file or reload it.</source>
        <translation>Le fichier %1 a été modifié par un autre programme.<byte value="xd"/>
Vos modifications non enregistrées dans l’onglet «&#xa0;Fixe&#xa0;» sont conservées&#xa0;; «&#xa0;Enregistrer&#xa0;» demandera s’il faut écraser le fichier ou le recharger.</translation>
    </message>
    <message>
        <source>The file %1 has been changed by another program.<byte value="xd"/>
Your unsaved changes in the Random tab are kept; Save asks whether to overwrite the file or reload it.</source>
        <translation>Le fichier %1 a été modifié par un autre programme.<byte value="xd"/>
Vos modifications non enregistrées dans l’onglet «&#xa0;Aléatoire&#xa0;» sont conservées&#xa0;; «&#xa0;Enregistrer&#xa0;» demandera s’il faut écraser le fichier ou le recharger.</translation>
    </message>
    <message>
        <source>The fixed signature has changes that are not saved.</source>
        <translation>La signature fixe contient des modifications non enregistrées.</translation>
    </message>
    <message>
        <source>The signature collection has changes that are not saved.</source>
        <translation>Le recueil de signatures contient des modifications non enregistrées.</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Abandonner</translation>
    </message>
    <message>
        <source>The file %1 could not be saved: %2.<byte value="xd"/>
Your changes are still in the editor; nothing was lost.</source>
        <translation>Impossible d’enregistrer le fichier %1&#xa0;: %2.<byte value="xd"/>
Vos modifications sont toujours dans l’éditeur&#xa0;; rien n’a été perdu.</translation>
    </message>
</context>
<context>
    <name>FileSystem</name>
    <message>
        <source>%1 GiB</source>
        <translation>%1&#xa0;Gio</translation>
    </message>
    <message>
        <source>%1 MiB</source>
        <translation>%1&#xa0;Mio</translation>
    </message>
    <message>
        <source>%1 KiB</source>
        <translation>%1&#xa0;Kio</translation>
    </message>
    <message>
        <source>it is %1 (%2 bytes), more than the %3 MiB Tagrota reads</source>
        <translation>sa taille est de %1 (%2 octets), au-delà des %3 Mio que Tagrota lit</translation>
    </message>
</context>
<context>
    <name>Finding</name>
    <message>
        <source>Not found</source>
        <translation>Introuvable</translation>
    </message>
    <message>
        <source>Continued from the top</source>
        <translation>Reprise depuis le début</translation>
    </message>
    <message>
        <source>Continued from the bottom</source>
        <translation>Reprise depuis la fin</translation>
    </message>
    <message>
        <source>The collection %1 holds no duplicate or empty entries, no entries over the length limits (%2), no lines that end in white space, and one kind of line end.</source>
        <translation>Le recueil %1 ne contient aucune entrée en double ou vide, aucune entrée au-delà des limites de longueur (%2), aucune ligne terminée par des espaces, et une seule sorte de fin de ligne.</translation>
    </message>
    <message>
        <source>The collection %1 holds no duplicate or empty entries, no lines that end in white space, and one kind of line end.</source>
        <translation>Le recueil %1 ne contient aucune entrée en double ou vide, aucune ligne terminée par des espaces, et une seule sorte de fin de ligne.</translation>
    </message>
    <message>
        <source>Collection Check</source>
        <translation>Vérification du recueil</translation>
    </message>
    <message>
        <source>%1 finding in %2. Double-click a line to go to its place in the Random tab.</source>
        <translation>%1 constat dans %2. Double-cliquez sur une ligne pour aller à son emplacement dans l’onglet «&#xa0;Aléatoire&#xa0;».</translation>
    </message>
    <message>
        <source>%1 findings in %2. Double-click a line to go to its place in the Random tab.</source>
        <translation>%1 constats dans %2. Double-cliquez sur une ligne pour aller à son emplacement dans l’onglet «&#xa0;Aléatoire&#xa0;».</translation>
    </message>
    <message>
        <source>Findings</source>
        <translation>Constats</translation>
    </message>
    <message>
        <source>A double click goes to the finding&apos;s place</source>
        <translation>Un double-clic mène à l’emplacement du constat</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
</context>
<context>
    <name>HelpCommands</name>
    <message>
        <source>The help file %1 is missing.</source>
        <translation>Le fichier d’aide %1 est absent.</translation>
    </message>
    <message>
        <source>The help file %1 was not found.</source>
        <translation>Le fichier d’aide %1 est introuvable.</translation>
    </message>
    <message>
        <source>The help file %1 cannot be read: %2.</source>
        <translation>Le fichier d’aide %1 ne peut pas être lu&#xa0;: %2.</translation>
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
        <translation>%1&#xa0;; Tagrota le laisse tel quel et n’enregistre aucun paramètre</translation>
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
        <translation>la liste %1 ne peut pas être utilisée&#xa0;: %2</translation>
    </message>
    <message>
        <source>the list %1 could not be read</source>
        <translation>la liste %1 n’a pas pu être lue</translation>
    </message>
    <message>
        <source>the list %1 is damaged: it does not begin as a list does</source>
        <translation>la liste %1 est endommagée&#xa0;: elle ne commence pas comme une telle liste</translation>
    </message>
    <message>
        <source>the list %1 could not be written: its folder is missing, full or not private to you</source>
        <translation>la liste %1 n’a pas pu être écrite&#xa0;: son dossier est absent, plein ou ne vous est pas réservé</translation>
    </message>
</context>
<context>
    <name>PrintSignature</name>
    <message>
        <source>The fixed signature file %1 could not be read: %2; the default fixed signature is used.</source>
        <translation>Impossible de lire le fichier de signature fixe %1&#xa0;: %2&#xa0;; la signature fixe par défaut est utilisée.</translation>
    </message>
    <message>
        <source>The signature collection file %1 is not used: %2; the default collection is used.</source>
        <translation>Le fichier de recueil %1 n’est pas utilisé&#xa0;: %2&#xa0;; le recueil par défaut est utilisé.</translation>
    </message>
    <message>
        <source>The signature collection file %1 is not used: %2.</source>
        <translation>Le fichier de recueil %1 n’est pas utilisé&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The default signature collection file %1 is not used either: %2.</source>
        <translation>Le fichier de recueil par défaut %1 n’est pas utilisé non plus&#xa0;: %2.</translation>
    </message>
    <message>
        <source>No collection holds quotations: the signature is the fixed signature alone.</source>
        <translation>Aucun recueil ne contient de citations&#xa0;: la signature se réduit à la signature fixe.</translation>
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
        <translation>Le recueil ne peut pas être affiché ici&#xa0;: son éditeur est manquant.

%1

Le recueil est conservé tel quel et enregistré sans modification.</translation>
    </message>
    <message>
        <source>Loading the text… %1 %</source>
        <translation>Chargement du texte… %1&#xa0;%</translation>
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
        <translation>il n’a pas pu être lu</translation>
    </message>
    <message>
        <source>settings file</source>
        <translation>fichier de paramètres</translation>
    </message>
    <message>
        <source>%1; Tagrota leaves it as it is and saves no settings</source>
        <translation>%1&#xa0;; Tagrota le laisse tel quel et n’enregistre aucun paramètre</translation>
    </message>
    <message>
        <source>it is not a valid settings file</source>
        <translation>ce n’est pas un fichier de paramètres valide</translation>
    </message>
    <message>
        <source>it is not a valid settings file. A copy of it is kept as %1</source>
        <translation>ce n’est pas un fichier de paramètres valide. Une copie en est conservée sous %1</translation>
    </message>
    <message>
        <source>it is not a valid settings file, and no copy of it could be made; Tagrota leaves it as it is and saves no settings</source>
        <translation>ce n’est pas un fichier de paramètres valide, et aucune copie n’a pu en être faite&#xa0;; Tagrota le laisse tel quel et n’enregistre aucun paramètre</translation>
    </message>
    <message>
        <source>it could not be read whole when Tagrota started, and is left as it was</source>
        <translation>il n’a pas pu être lu entièrement au démarrage de Tagrota et reste tel qu’il était</translation>
    </message>
</context>
<context>
    <name>QtSingleInstance</name>
    <message>
        <source>single-instance socket</source>
        <translation>fichier de socket d’instance unique</translation>
    </message>
    <message>
        <source>single-instance lock file</source>
        <translation>fichier de verrou d’instance unique</translation>
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
L&apos;onglet «&#xa0;Aléatoire&#xa0;» affiche le recueil dans un éditeur simple, qui est lent avec de très grands recueils.</translation>
    </message>
</context>
<context>
    <name>ScintillaModule</name>
    <message>
        <source>The module %1 could not be loaded: %2.</source>
        <translation>Le module %1 n’a pas pu être chargé&#xa0;: %2.</translation>
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
        <translation>Le module de l’éditeur %1 n’est pas chargé, car il ne se trouve pas dans un emplacement sûr&#xa0;: %2.</translation>
    </message>
</context>
<context>
    <name>SetAside</name>
    <message>
        <source>The current signature holds no quotation to set aside.</source>
        <translation>La signature actuelle ne contient aucune citation à mettre de côté.</translation>
    </message>
    <message>
        <source>The quotation could not be set aside for the collection %1: %2.</source>
        <translation>Impossible de mettre la citation de côté pour le recueil %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Every quotation of the collection %1 is set aside, so the signature is your fixed signature alone.<byte value="xd"/>
Commands, Set-Aside Quotations takes them back.</source>
        <translation>Toutes les citations du recueil %1 sont mises de côté&#xa0;; la signature se réduit donc à votre signature fixe.<byte value="xd"/>
«&#xa0;Commandes &gt; Citations mises de côté&#xa0;» permet de les reprendre.</translation>
    </message>
    <message>
        <source>Set-Aside Quotations</source>
        <translation>Citations mises de côté</translation>
    </message>
    <message>
        <source>Take Back or a double click puts one back</source>
        <translation>«&#xa0;Reprendre&#xa0;» ou un double-clic en remet une</translation>
    </message>
    <message>
        <source>&amp;Take Back</source>
        <translation>&amp;Reprendre</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Nothing is set aside for %1: %2.</source>
        <translation>Rien n’est mis de côté pour %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>No quotation of %1 is set aside.</source>
        <translation>Aucune citation de %1 n’est mise de côté.</translation>
    </message>
    <message>
        <source>%1 quotation of %2 set aside. Take Back (or a double click) puts one back into the rotation.</source>
        <translation>%1 citation de %2 mise de côté. «&#xa0;Reprendre&#xa0;» (ou un double-clic) la remet dans la rotation.</translation>
    </message>
    <message>
        <source>%1 quotations of %2 set aside. Take Back (or a double click) puts one back into the rotation.</source>
        <translation>%1 citations de %2 mises de côté. «&#xa0;Reprendre&#xa0;» (ou un double-clic) en remet une dans la rotation.</translation>
    </message>
    <message>
        <source>The quotation could not be taken back: %1.</source>
        <translation>Impossible de reprendre la citation&#xa0;: %1.</translation>
    </message>
</context>
<context>
    <name>SettingsTab</name>
    <message>
        <source>All Files</source>
        <translation>Tous les fichiers</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Open Collection File</source>
        <translation>Ouvrir un fichier de recueil</translation>
    </message>
    <message>
        <source>Open Signature File</source>
        <translation>Ouvrir un fichier de signature</translation>
    </message>
    <message>
        <source>The file %1 is your fixed signature file, which cannot be the signature collection too. The collection was not changed.</source>
        <translation>Le fichier %1 est votre fichier de signature fixe, qui ne peut pas être aussi le recueil de signatures. Le recueil n’a pas été changé.</translation>
    </message>
    <message>
        <source>You have selected a different collection file to use.<byte value="xd"/>
Do you want to load the new file now? If you answer &apos;No&apos;<byte value="xd"/>
it will be loaded the next time you start Tagrota.</source>
        <translation>Vous avez choisi un autre fichier de recueil.<byte value="xd"/>
Voulez-vous charger le nouveau fichier maintenant&#xa0;? Si vous répondez «&#xa0;Non&#xa0;»,<byte value="xd"/>
il sera chargé au prochain démarrage de Tagrota.</translation>
    </message>
    <message>
        <source>Collection Change</source>
        <translation>Changement de recueil</translation>
    </message>
    <message>
        <source>Save them to %1 before the new collection is loaded?</source>
        <translation>Les enregistrer dans %1 avant le chargement du nouveau recueil&#xa0;?</translation>
    </message>
    <message>
        <source>Reading %1…</source>
        <translation>Lecture de %1…</translation>
    </message>
    <message>
        <source>The file %1 is invalid. This file was NOT loaded.</source>
        <translation>Le fichier %1 n’est pas valide. Ce fichier n’a PAS été chargé.</translation>
    </message>
    <message>
        <source>The file %1 could not be read: %2. This file was NOT loaded.</source>
        <translation>Impossible de lire le fichier %1&#xa0;: %2. Ce fichier n’a PAS été chargé.</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>The settings file %1 could not be read whole: %2.<byte value="xd"/>
Settings that could not be read are at their defaults.</source>
        <translation>Le fichier de paramètres %1 n’a pas pu être lu entièrement&#xa0;: %2.<byte value="xd"/>
Les paramètres illisibles ont leur valeur par défaut.</translation>
    </message>
    <message>
        <source>Sequential</source>
        <translation>Séquentiel</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Aléatoire</translation>
    </message>
    <message>
        <source>The fixed signature file %1 could not be read: %2.<byte value="xd"/>
A default fixed signature is used until it can be read.</source>
        <translation>Impossible de lire le fichier de signature fixe %1&#xa0;: %2.<byte value="xd"/>
Une signature fixe par défaut est utilisée jusqu’à ce qu’il puisse être lu.</translation>
    </message>
    <message>
        <source>The signature collection file %1 could not be created: %2.<byte value="xd"/>
Placeholder quotations are used for this run.</source>
        <translation>Impossible de créer le fichier de recueil %1&#xa0;: %2.<byte value="xd"/>
Des citations provisoires sont utilisées pour cette session.</translation>
    </message>
    <message>
        <source>Your specified signature collection file is your fixed signature file, which cannot be a collection too.</source>
        <translation>Le fichier de recueil que vous avez indiqué est votre fichier de signature fixe, qui ne peut pas être aussi un recueil.</translation>
    </message>
    <message>
        <source>Your specified signature collection file could not be read: %1.</source>
        <translation>Impossible de lire le fichier de recueil que vous avez indiqué&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Your specified signature collection file does not hold any signatures.</source>
        <translation>Le fichier de recueil que vous avez indiqué ne contient aucune signature.</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ERREUR</translation>
    </message>
    <message>
        <source>The Default is being used. The unreadable file name is:<byte value="xd"/>
%1</source>
        <translation>Le recueil par défaut est utilisé. Le nom du fichier illisible est&#xa0;:<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>The Default is being used. The invalid file name is:<byte value="xd"/>
%1</source>
        <translation>Le recueil par défaut est utilisé. Le nom du fichier non valide est&#xa0;:<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>The default signature collection file %1 could not be created: %2.</source>
        <translation>Impossible de créer le fichier de recueil par défaut %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Until a collection that holds signatures is chosen on the Settings tab, each signature is your fixed signature alone.</source>
        <translation>Tant qu’aucun recueil contenant des signatures n’est choisi dans l’onglet «&#xa0;Paramètres&#xa0;», chaque signature se réduit à votre signature fixe.</translation>
    </message>
    <message>
        <source>It is the default collection file, so no quotations are available from it:<byte value="xd"/>
%1</source>
        <translation>C’est le fichier de recueil par défaut&#xa0;; aucune citation n’est donc disponible&#xa0;:<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>The default collection file does not hold any either.</source>
        <translation>Le fichier de recueil par défaut n’en contient pas non plus.</translation>
    </message>
    <message>
        <source>The default collection file could not be read either: %1.</source>
        <translation>Le fichier de recueil par défaut n’a pas pu être lu non plus&#xa0;: %1.</translation>
    </message>
    <message>
        <source>No quotations are available from either file:<byte value="xd"/>
%1<byte value="xd"/>
%2</source>
        <translation>Aucune citation n’est disponible dans l’un ou l’autre fichier&#xa0;:<byte value="xd"/>
%1<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>The current signature file %1 could not be written: %2.<byte value="xd"/>
Tagrota keeps trying at every rotation and tells you again only after a write has succeeded.</source>
        <translation>Impossible d’écrire le fichier de signature actuelle %1&#xa0;: %2.<byte value="xd"/>
Tagrota réessaie à chaque changement et ne vous prévient à nouveau qu’après une écriture réussie.</translation>
    </message>
    <message>
        <source>%1 line of %2 columns</source>
        <translation>%1 ligne de %2 colonnes</translation>
    </message>
    <message>
        <source>%1 lines of %2 columns</source>
        <translation>%1 lignes de %2 colonnes</translation>
    </message>
    <message>
        <source>%1 line</source>
        <translation>%1 ligne</translation>
    </message>
    <message>
        <source>%1 lines</source>
        <translation>%1 lignes</translation>
    </message>
    <message>
        <source>%1 columns</source>
        <translation>%1 colonnes</translation>
    </message>
    <message>
        <source>No quotation of the collection makes a signature within %1 with your fixed signature, so the shortest one is used.<byte value="xd"/>
Tagrota tells you again only after a quotation has fit.</source>
        <translation>Aucune citation du recueil ne donne, avec votre signature fixe, une signature tenant dans %1&#xa0;; la plus courte est donc utilisée.<byte value="xd"/>
Tagrota ne vous prévient à nouveau qu’après qu’une citation a tenu.</translation>
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
<context>
    <name>TrayMode</name>
    <message>
        <source>&amp;Restore Tagrota!</source>
        <translation>&amp;Restaurer Tagrota!</translation>
    </message>
    <message>
        <source>&amp;Next Quotation</source>
        <translation>&amp;Citation suivante</translation>
    </message>
    <message>
        <source>Ne&amp;ver This One Again</source>
        <translation>Plus &amp;jamais celle-ci</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Tagrota! Signature Changer</source>
        <translation>Tagrota! Changeur de signature</translation>
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
        <translation>Tagrota ne peut pas créer le dossier de ses fichiers, %1&#xa0;: %2.<byte value="xd"/>
Les fichiers qui doivent s&apos;y trouver ne peuvent pas être conservés.</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Tagrota keeps your mail or news signature fresh. By the Tagrota developers. Your files: beside the program, or ~/.local/share/Tagrota if installed.</source>
        <translation>Tagrota renouvelle votre signature de courriel ou de news. Par l’équipe de Tagrota. Vos fichiers&#xa0;: près du programme, ou ~/.local/share/Tagrota si installé.</translation>
    </message>
    <message>
        <source>Tagrota&apos;s sources are free software under the MIT licence. The program as built links QScintilla and is therefore under the GNU GPL version 3.

Tagrota comes with no warranty of any kind. You use it at your own risk; its authors are not liable for any loss it may cause.</source>
        <translation>Les sources de Tagrota sont des logiciels libres sous licence MIT. Le programme compilé est lié à QScintilla et relève donc de la GNU GPL version&#xa0;3.

Tagrota est fourni sans aucune garantie. Vous l’utilisez à vos propres risques&#xa0;; ses auteurs ne sont responsables d’aucune perte qu’il pourrait causer.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Starts the system information program</source>
        <translation>Lance le programme d’informations système</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>Infos &amp;système...</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>À propos de %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Les informations système sont indisponibles pour le moment</translation>
    </message>
</context>
<context>
    <name>frmHelp</name>
    <message>
        <source>Tagrota Help</source>
        <translation>Aide de Tagrota</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
</context>
</TS>
