<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
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
        <translation>Aide rapide sur l&apos;onglet</translation>
    </message>
    <message>
        <source>&amp;Brief Help on Tab</source>
        <translation>Aide &amp;rapide sur l&apos;onglet</translation>
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
        <translation>Aide rapide sur l&apos;onglet</translation>
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
        <translation>Les citations, séparées par des lignes ne contenant qu&apos;un %</translation>
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
        <translation>Une icône dans la zone de notification ; réduire masque la fenêtre</translation>
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
        <translation>Caractères par ligne d&apos;une citation</translation>
    </message>
    <message>
        <source>Duration of signature, in seconds:</source>
        <translation>Durée de la signature, en secondes :</translation>
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
        <translation>Chemin du fichier de recueil :</translation>
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
        <translation>Chemin de la signature actuelle :</translation>
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
        <translation>Sans répétition &amp;jusqu&apos;à la fin du recueil</translation>
    </message>
    <message>
        <source>Longest signature, in lines and columns (0 = no limit):</source>
        <translation>Taille maximale en lignes et colonnes (0 = illimitée) :</translation>
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
    <name>HelpCommands</name>
    <message>
        <source>The help file %1 is missing.</source>
        <translation>Le fichier d&apos;aide %1 est absent.</translation>
    </message>
    <message>
        <source>The help file %1 was not found.</source>
        <translation>Le fichier d&apos;aide %1 est introuvable.</translation>
    </message>
    <message>
        <source>The help file %1 cannot be read: %2.</source>
        <translation>Le fichier d&apos;aide %1 ne peut pas être lu : %2.</translation>
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
    <name>frmAbout</name>
    <message>
        <source>Tagrota keeps your mail or news signature fresh. By the Tagrota developers. Your files: beside the program, or ~/.local/share/Tagrota if installed.</source>
        <translation>Tagrota renouvelle votre signature de courriel ou de news. Par l&apos;équipe de Tagrota. Vos fichiers : près du programme, ou ~/.local/share/Tagrota si installé.</translation>
    </message>
    <message>
        <source>Tagrota&apos;s sources are free software under the MIT licence. The program as built links QScintilla and is therefore under the GNU GPL version 3.

Tagrota comes with no warranty of any kind. You use it at your own risk; its authors are not liable for any loss it may cause.</source>
        <translation>Les sources de Tagrota sont des logiciels libres sous licence MIT. Le programme compilé est lié à QScintilla et relève donc de la GNU GPL version 3.

Tagrota est fourni sans aucune garantie. Vous l&apos;utilisez à vos propres risques ; ses auteurs ne sont responsables d&apos;aucune perte qu&apos;il pourrait causer.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Starts the system information program</source>
        <translation>Lance le programme d&apos;informations système</translation>
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
