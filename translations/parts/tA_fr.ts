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
</TS>
