<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Captions</name>
    <message>
        <source>EXP CH Group</source>
        <translation>Groupe CH EXP</translation>
    </message>
    <message>
        <source>Group%1</source>
        <translation>Groupe %1</translation>
    </message>
    <message>
        <source>EXP CH Group[%1]</source>
        <translation>Groupe CH EXP[%1]</translation>
    </message>
    <message>
        <source>Group%1[%2]</source>
        <translation>Groupe %1[%2]</translation>
    </message>
    <message>
        <source>USA</source>
        <translation>USA</translation>
    </message>
    <message>
        <source>INTL</source>
        <translation>INTL</translation>
    </message>
    <message>
        <source>CANADA</source>
        <translation>CANADA</translation>
    </message>
    <message>
        <source>EXP</source>
        <translation>EXP</translation>
    </message>
</context>
<context>
    <name>Check</name>
    <message>
        <source>Programable USA Channel</source>
        <translation>Canaux USA programmables</translation>
    </message>
    <message>
        <source>Programable International Channel</source>
        <translation>Canaux internationaux programmables</translation>
    </message>
    <message>
        <source>Programable Canada Channel</source>
        <translation>Canaux Canada programmables</translation>
    </message>
    <message>
        <source>No.%1</source>
        <translation>N°%1</translation>
    </message>
    <message>
        <source>%1MID %2 of %3 is allocated to no country.</source>
        <translation>%1MID %2 de %3 non attribué à un pays.</translation>
    </message>
    <message>
        <source>DSC Setup (Basic Setup)</source>
        <translation>Réglages DSC (Réglages de base)</translation>
    </message>
    <message>
        <source>User MMSI</source>
        <translation>MMSI utilisateur</translation>
    </message>
    <message>
        <source>%1%2 is not an MMSI (a ship station&apos;s begins with 2 to 7); a radio&apos;s own MMSI is a ship station&apos;s or a handheld&apos;s.</source>
        <translation>%1%2 n&apos;est pas un MMSI (celui d&apos;un navire commence par 2 à 7) ; le MMSI propre d&apos;une radio est celui d&apos;un navire ou d&apos;un portable.</translation>
    </message>
    <message>
        <source>%1%2 reads as %3; a radio&apos;s own MMSI is a ship station&apos;s or a handheld&apos;s.</source>
        <translation>%1%2 se lit %3 ; le MMSI propre d&apos;une radio est celui d&apos;un navire ou d&apos;un portable.</translation>
    </message>
    <message>
        <source>ATIS Setup (Common)</source>
        <translation>Réglages ATIS (Commun)</translation>
    </message>
    <message>
        <source>ATIS Code</source>
        <translation>Code ATIS</translation>
    </message>
    <message>
        <source>%1 does not follow the rule. %2</source>
        <translation>%1 ne respecte pas la règle. %2</translation>
    </message>
    <message>
        <source>CH %1</source>
        <translation>CH %1</translation>
    </message>
    <message>
        <source>Channel 16 is switched off in %1: it is the international distress, safety and calling channel.</source>
        <translation>Le canal 16 est désactivé dans %1 : c&apos;est le canal international de détresse, sécurité et appel.</translation>
    </message>
    <message>
        <source>%1%2 is not an MMSI (a ship station&apos;s begins with 2 to 7), which does not belong in the group directory.</source>
        <translation>%1%2 n&apos;est pas un MMSI (celui d&apos;un navire commence par 2 à 7) et n&apos;a pas sa place dans le répertoire de groupe.</translation>
    </message>
    <message>
        <source>%1%2 reads as %3, which does not belong in the group directory.</source>
        <translation>%1%2 se lit %3, qui n&apos;a pas sa place dans le répertoire de groupe.</translation>
    </message>
    <message>
        <source>%1%2 is not an MMSI (a ship station&apos;s begins with 2 to 7), which does not belong in the individual directory.</source>
        <translation>%1%2 n&apos;est pas un MMSI (celui d&apos;un navire commence par 2 à 7) et n&apos;a pas sa place dans le répertoire individuel.</translation>
    </message>
    <message>
        <source>%1%2 reads as %3, which does not belong in the individual directory.</source>
        <translation>%1%2 se lit %3, qui n&apos;a pas sa place dans le répertoire individuel.</translation>
    </message>
    <message>
        <source>%1the same MMSI as No.%2.</source>
        <translation>%1même MMSI que le N°%2.</translation>
    </message>
    <message>
        <source>%1the same name as No.%2.</source>
        <translation>%1même nom que le N°%2.</translation>
    </message>
    <message>
        <source>Memory ID Setting</source>
        <translation>Réglage ID mémoire</translation>
    </message>
    <message>
        <source>Group ID Setting</source>
        <translation>Réglage ID groupe</translation>
    </message>
    <message>
        <source>Programable Exp Channel</source>
        <translation>Canaux EXP programmables</translation>
    </message>
    <message>
        <source>The channel is in use but has no name.</source>
        <translation>Le canal est utilisé mais n&apos;a pas de nom.</translation>
    </message>
</context>
<context>
    <name>CheckWindow</name>
    <message>
        <source>Nothing needs a second look.</source>
        <translation>Rien à revérifier.</translation>
    </message>
    <message>
        <source>1 setting deserves a second look.</source>
        <translation>1 réglage mérite d&apos;être revérifié.</translation>
    </message>
    <message>
        <source>%1 settings deserve a second look.</source>
        <translation>%1 réglages méritent d&apos;être revérifiés.</translation>
    </message>
    <message>
        <source>Program Anyway sends the data as it is; Cancel stops before anything is sent.</source>
        <translation>« Programmer quand même » envoie les données telles quelles ; « Annuler » s&apos;arrête avant tout envoi.</translation>
    </message>
</context>
<context>
    <name>Csv</name>
    <message>
        <source>Nothing was imported: %1 row was refused.</source>
        <translation>Rien n&apos;a été importé : %1 ligne refusée.</translation>
    </message>
    <message>
        <source>Nothing was imported: %1 rows were refused.</source>
        <translation>Rien n&apos;a été importé : %1 lignes refusées.</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>ligne %1 : %2</translation>
    </message>
    <message>
        <source>... and %1 more refused row after these</source>
        <translation>... et %1 autre ligne refusée après celles-ci</translation>
    </message>
    <message>
        <source>... and %1 more refused rows after these</source>
        <translation>... et %1 autres lignes refusées après celles-ci</translation>
    </message>
    <message>
        <source>Nothing was imported: %1</source>
        <translation>Rien n&apos;a été importé : %1</translation>
    </message>
    <message>
        <source>EXP Channels</source>
        <translation>Canaux EXP</translation>
    </message>
    <message>
        <source>USA Channels</source>
        <translation>Canaux USA</translation>
    </message>
    <message>
        <source>INTL Channels</source>
        <translation>Canaux INTL</translation>
    </message>
    <message>
        <source>Canada Channels</source>
        <translation>Canaux Canada</translation>
    </message>
    <message>
        <source>Individual Directory</source>
        <translation>Répertoire individuel</translation>
    </message>
    <message>
        <source>Group Directory</source>
        <translation>Répertoire de groupe</translation>
    </message>
    <message>
        <source>heading %1 is not a column of this list</source>
        <translation>l&apos;en-tête %1 n&apos;est pas une colonne de cette liste</translation>
    </message>
    <message>
        <source>heading %1 appears twice</source>
        <translation>l&apos;en-tête %1 apparaît deux fois</translation>
    </message>
    <message>
        <source>more cells than headings</source>
        <translation>plus de cellules que d&apos;en-têtes</translation>
    </message>
    <message>
        <source>an enabled EXP channel needs an Rx Frequency and two characters of CH Display</source>
        <translation>un canal EXP activé doit avoir une Rx Frequency et deux caractères dans CH Display</translation>
    </message>
    <message>
        <source>%1 cannot be changed on this channel</source>
        <translation>%1 ne peut pas être modifié sur ce canal</translation>
    </message>
    <message>
        <source>%1 %2 is not On or Off</source>
        <translation>%1 %2 n&apos;est ni On ni Off</translation>
    </message>
    <message>
        <source>%1 %2 is not a frequency in MHz</source>
        <translation>%1 %2 n&apos;est pas une fréquence en MHz</translation>
    </message>
    <message>
        <source>%1 %2 is not on the 25 kHz raster from 137 to 174 MHz</source>
        <translation>%1 %2 n&apos;est pas sur la grille de 25 kHz de 137 à 174 MHz</translation>
    </message>
    <message>
        <source>%1 %2 is not a channel number the display can show</source>
        <translation>%1 %2 n&apos;est pas un numéro de canal que l&apos;afficheur peut montrer</translation>
    </message>
    <message>
        <source>%1 %2 is not Off, 0, 1, 2 or 3</source>
        <translation>%1 %2 n&apos;est pas Off, 0, 1, 2 ou 3</translation>
    </message>
    <message>
        <source>%1 %2 is longer than %3 characters</source>
        <translation>%1 %2 dépasse %3 caractères</translation>
    </message>
    <message>
        <source>%1 %2 holds a character the radio cannot store</source>
        <translation>%1 %2 contient un caractère que la radio ne peut pas enregistrer</translation>
    </message>
    <message>
        <source>%1 %2 is not a channel of the list</source>
        <translation>%1 %2 n&apos;est pas un canal de la liste</translation>
    </message>
    <message>
        <source>the channel is in line %1 already</source>
        <translation>le canal est déjà à la ligne %1</translation>
    </message>
    <message>
        <source>Nothing was pasted: %1 row was refused.</source>
        <translation>Rien n&apos;a été collé : %1 ligne refusée.</translation>
    </message>
    <message>
        <source>Nothing was pasted: %1 rows were refused.</source>
        <translation>Rien n&apos;a été collé : %1 lignes refusées.</translation>
    </message>
    <message>
        <source>row %1: %2</source>
        <translation>ligne %1 : %2</translation>
    </message>
    <message>
        <source>the first heading names no list; it is one of %1</source>
        <translation>le premier en-tête ne désigne aucune liste ; c&apos;est l&apos;un de %1</translation>
    </message>
    <message>
        <source>entry %1 needs a name and an MMSI before entry %2 can be used</source>
        <translation>l&apos;entrée %1 doit avoir un nom et un MMSI avant que l&apos;entrée %2 puisse être utilisée</translation>
    </message>
    <message>
        <source>%1 %2: entries are numbered 1, 2, 3 ... in order without gaps, so this row is entry %3</source>
        <translation>%1 %2 : les entrées sont numérotées 1, 2, 3 ... dans l&apos;ordre sans trou, cette ligne est donc l&apos;entrée %3</translation>
    </message>
    <message>
        <source>MMSI %1 is not %2 digits after the leading 0</source>
        <translation>le MMSI %1 n&apos;a pas %2 chiffres après le 0 initial</translation>
    </message>
    <message>
        <source>MMSI %1 is not %2 digits</source>
        <translation>le MMSI %1 n&apos;a pas %2 chiffres</translation>
    </message>
    <message>
        <source>the headings are not %1</source>
        <translation>les en-têtes ne sont pas %1</translation>
    </message>
    <message>
        <source>the directory has only %1 entries</source>
        <translation>le répertoire n&apos;a que %1 entrées</translation>
    </message>
    <message>
        <source>Nothing was pasted: the rows are not of the %1.</source>
        <translation>Rien n&apos;a été collé : les lignes ne sont pas de la liste %1.</translation>
    </message>
    <message>
        <source>Nothing was pasted: the clipboard holds no rows.</source>
        <translation>Rien n&apos;a été collé : le presse-papiers ne contient aucune ligne.</translation>
    </message>
    <message>
        <source>below the list&apos;s last row</source>
        <translation>sous la dernière ligne de la liste</translation>
    </message>
    <message>
        <source>Nothing was pasted: the clipboard holds more than %1 MB, far more than a list.</source>
        <translation>Rien n&apos;a été collé : le presse-papiers contient plus de %1 Mo, bien plus qu&apos;une liste.</translation>
    </message>
</context>
<context>
    <name>DistressChannelWarning</name>
    <message>
        <source>Channel 16 is switched off in %1. It is the international distress, safety and calling channel.
The data was taken as it is; switch it on again on the channel&apos;s page.</source>
        <translation>Le canal 16 est désactivé dans %1. C&apos;est le canal international de détresse, sécurité et appel.
Les données ont été reprises telles quelles ; réactivez-le sur la page du canal.</translation>
    </message>
</context>
<context>
    <name>FileChooser</name>
    <message>
        <source>All files</source>
        <translation>Tous les fichiers</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>ModelType Error !!</source>
        <translation>Erreur de type de modèle !!</translation>
    </message>
    <message>
        <source>FileRead Error!!</source>
        <translation>Erreur de lecture du fichier !!</translation>
    </message>
    <message>
        <source>FileSave Error!!</source>
        <translation>Erreur d&apos;enregistrement du fichier !!</translation>
    </message>
    <message>
        <source>bad file!!</source>
        <translation>fichier incorrect !!</translation>
    </message>
    <message>
        <source>Read from Radio</source>
        <translation>Lire la radio</translation>
    </message>
    <message>
        <source>This file is incomplete: %1 section is missing (%2). Their settings hold factory values; check them before you save or program.</source>
        <translation>Ce fichier est incomplet : %1 section manque (%2). Ses réglages ont les valeurs d&apos;usine ; vérifiez-les avant d&apos;enregistrer ou de programmer.</translation>
    </message>
    <message>
        <source>This file is incomplete: %1 sections are missing (%2). Their settings hold factory values; check them before you save or program.</source>
        <translation>Ce fichier est incomplet : %1 sections manquent (%2). Leurs réglages ont les valeurs d&apos;usine ; vérifiez-les avant d&apos;enregistrer ou de programmer.</translation>
    </message>
    <message>
        <source>The table of MIDs could not be read: the countries of MMSIs and ATIS codes are not checked.</source>
        <translation>La table des MID n&apos;a pas pu être lue : les pays des MMSI et codes ATIS ne sont pas vérifiés.</translation>
    </message>
    <message>
        <source>IniFileRead Error!!</source>
        <translation>Erreur de lecture du fichier INI !!</translation>
    </message>
    <message>
        <source>The image read from the radio could not be kept as a backup.</source>
        <translation>L&apos;image lue depuis la radio n&apos;a pas pu être conservée comme sauvegarde.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 à %2</translation>
    </message>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 et %2 autres</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>The help document %1 is missing.</source>
        <translation>Le document d&apos;aide %1 est introuvable.</translation>
    </message>
</context>
<context>
    <name>Hints</name>
    <message>
        <source>[Space]:An effective and invalid change.</source>
        <translation>[Espace] : active ou désactive.</translation>
    </message>
    <message>
        <source>[Up]/[Down]:Change of a Selection item.</source>
        <translation>[Haut]/[Bas] : change la sélection.</translation>
    </message>
    <message>
        <source>A maximum of %1 characters</source>
        <translation>%1 caractères max</translation>
    </message>
    <message>
        <source>A maximum of %1 characters.</source>
        <translation>%1 caractères max.</translation>
    </message>
    <message>
        <source>Numeric Only. Indispensable %1 figures.</source>
        <translation>Chiffres seulement. %1 chiffres obligatoires.</translation>
    </message>
    <message>
        <source>Indispensable 2 figures.</source>
        <translation>2 chiffres obligatoires.</translation>
    </message>
    <message>
        <source>Indispensable 1 figures.</source>
        <translation>1 chiffre obligatoire.</translation>
    </message>
    <message>
        <source>Select[x]Enable/[]Disable.</source>
        <translation>[x] Activé / [ ] Désactivé.</translation>
    </message>
    <message>
        <source>[Up]/[Down]/[Left]/[Right]:Change of a Selection item.</source>
        <translation>[Haut]/[Bas]/[Gauche]/[Droite] : change la sélection.</translation>
    </message>
    <message>
        <source>[Double click],[Enter]:Jump the Setting screen.</source>
        <translation>[Double-clic], [Entrée] : ouvre l&apos;écran de réglage.</translation>
    </message>
    <message>
        <source>A Click Inicializes the log</source>
        <translation>Un clic efface le journal</translation>
    </message>
    <message>
        <source>Rx frequency</source>
        <translation>Fréquence Rx</translation>
    </message>
    <message>
        <source>Tx frequency</source>
        <translation>Fréquence Tx</translation>
    </message>
    <message>
        <source>max 4 charactors.</source>
        <translation>4 caractères max.</translation>
    </message>
    <message>
        <source>Indispensable 3 figures.</source>
        <translation>3 chiffres obligatoires.</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>System</source>
        <translation>Système</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>Takes effect at the next start</source>
        <translation>Effectif au prochain démarrage</translation>
    </message>
</context>
<context>
    <name>Link</name>
    <message>
        <source>cancel!!</source>
        <translation>annulé !!</translation>
    </message>
    <message>
        <source>time out!!</source>
        <translation>délai dépassé !!</translation>
    </message>
    <message>
        <source>address error!!</source>
        <translation>erreur d&apos;adresse !!</translation>
    </message>
    <message>
        <source>data error!!</source>
        <translation>erreur de données !!</translation>
    </message>
    <message>
        <source>Communication Error!!</source>
        <translation>Erreur de communication !!</translation>
    </message>
    <message>
        <source>ACMD Command error!!</source>
        <translation>erreur de commande ACMD !!</translation>
    </message>
    <message>
        <source>error!!</source>
        <translation>erreur !!</translation>
    </message>
    <message>
        <source>port inicialize error!!</source>
        <translation>erreur d&apos;initialisation du port !!</translation>
    </message>
    <message>
        <source>confirm the synchronization of the communication</source>
        <translation>vérification de la synchronisation de la communication</translation>
    </message>
    <message>
        <source>Radio is busy!!</source>
        <translation>Radio occupée !!</translation>
    </message>
    <message>
        <source>Model Check</source>
        <translation>Vérification du modèle</translation>
    </message>
    <message>
        <source>Read from Radio</source>
        <translation>Lire la radio</translation>
    </message>
    <message>
        <source>ModelType Error !!</source>
        <translation>Erreur de type de modèle !!</translation>
    </message>
    <message>
        <source>Product Code Error!</source>
        <translation>Erreur de code produit !</translation>
    </message>
    <message>
        <source>Program to Radio</source>
        <translation>Programmer la radio</translation>
    </message>
    <message>
        <source>Clear DSC Log Data</source>
        <translation>Effacer le journal DSC</translation>
    </message>
    <message>
        <source>Clear Distress Log Data</source>
        <translation>Effacer le journal de détresse</translation>
    </message>
    <message>
        <source>1.Connect the QYL cable between the PC serial port and the radio.</source>
        <translation>1.Reliez le câble QYL entre le port série du PC et la radio.</translation>
    </message>
    <message>
        <source>2.On the radio, press and hold [DISTRESS] and [CALL] keys while</source>
        <translation>2.Sur la radio, maintenez les touches [DISTRESS] et [CALL] en</translation>
    </message>
    <message>
        <source>   turning the power on.</source>
        <translation>   allumant l&apos;appareil.</translation>
    </message>
    <message>
        <source>   The Radio display will show PC CONTROL.</source>
        <translation>   L&apos;écran de la radio affiche PC CONTROL.</translation>
    </message>
    <message>
        <source>3.Press the [OK] button to start.</source>
        <translation>3.Cliquez sur [OK] pour commencer.</translation>
    </message>
    <message>
        <source>Data Error!!</source>
        <translation>Erreur de données !!</translation>
    </message>
    <message>
        <source>Radio not ready!!</source>
        <translation>Radio pas prête !!</translation>
    </message>
    <message>
        <source>Complete!!</source>
        <translation>Terminé !!</translation>
    </message>
    <message>
        <source>Verified</source>
        <translation>Vérifié</translation>
    </message>
    <message>
        <source>Communication Error!!
The cable or its adapter on %1 went away: the line hung up. Check that the adapter is plugged in and the cable is seated, then try again.</source>
        <translation>Erreur de communication !!
Le câble ou son adaptateur sur %1 a disparu : la ligne a été coupée. Vérifiez que l&apos;adaptateur est branché et que le câble est bien en place, puis réessayez.</translation>
    </message>
    <message>
        <source>Communication Error!!
The radio on %1 did not answer. Check that it is switched on and in clone mode (its display shows PC CONTROL), that the cable is seated at both ends, and that the right port is chosen.</source>
        <translation>Erreur de communication !!
La radio sur %1 n&apos;a pas répondu. Vérifiez qu&apos;elle est allumée et en mode clonage (son écran affiche PC CONTROL), que le câble est bien branché aux deux bouts et que le bon port est choisi.</translation>
    </message>
</context>
<context>
    <name>Lists</name>
    <message>
        <source>Off</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Basse</translation>
    </message>
    <message>
        <source>Hi</source>
        <translation>Haute</translation>
    </message>
    <message>
        <source>Lo Po Only</source>
        <translation>Basse P. seule</translation>
    </message>
    <message>
        <source>Lo Po on Changing CH</source>
        <translation>Basse P. au chgt CH</translation>
    </message>
    <message>
        <source>Last TX Po</source>
        <translation>Dernière P. TX</translation>
    </message>
    <message>
        <source>1Sec</source>
        <translation>1 s</translation>
    </message>
    <message>
        <source>2Sec</source>
        <translation>2 s</translation>
    </message>
    <message>
        <source>3Sec</source>
        <translation>3 s</translation>
    </message>
    <message>
        <source>4Sec</source>
        <translation>4 s</translation>
    </message>
    <message>
        <source>5Sec</source>
        <translation>5 s</translation>
    </message>
    <message>
        <source>On Wx</source>
        <translation>Sur WX</translation>
    </message>
    <message>
        <source>On Scan</source>
        <translation>Sur SCAN</translation>
    </message>
    <message>
        <source>Wx and Scan</source>
        <translation>WX et SCAN</translation>
    </message>
    <message>
        <source>True</source>
        <translation>Vrai</translation>
    </message>
    <message>
        <source>Mag</source>
        <translation>Mag</translation>
    </message>
    <message>
        <source>(not set)</source>
        <translation>(non défini)</translation>
    </message>
</context>
<context>
    <name>MainMenus</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>Open &amp;Backup...</source>
        <translation>Ouvrir une sau&amp;vegarde...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <source>Save As &amp;Default</source>
        <translation>Enregistrer par &amp;défaut</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <source>P&amp;rint to File</source>
        <translation>Imprimer dans un &amp;fichier</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>&amp;Aperçu avant impression</translation>
    </message>
    <message>
        <source>&amp;Export PDF...</source>
        <translation>Exporter en &amp;PDF...</translation>
    </message>
    <message>
        <source>Export &amp;CSV</source>
        <translation>Exporter en &amp;CSV</translation>
    </message>
    <message>
        <source>%1...</source>
        <translation>%1...</translation>
    </message>
    <message>
        <source>&amp;Import CSV...</source>
        <translation>Impor&amp;ter un CSV...</translation>
    </message>
    <message>
        <source>Co&amp;mpare with...</source>
        <translation>Co&amp;mparer avec...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Édition</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>&amp;Model</source>
        <translation>&amp;Modèle</translation>
    </message>
    <message>
        <source>&amp;Transfer</source>
        <translation>&amp;Transfert</translation>
    </message>
    <message>
        <source>&amp;Program to Radio</source>
        <translation>&amp;Programmer la radio</translation>
    </message>
    <message>
        <source>&amp;Read from Radio</source>
        <translation>&amp;Lire la radio</translation>
    </message>
    <message>
        <source>&amp;Check Configuration...</source>
        <translation>&amp;Vérifier la configuration...</translation>
    </message>
    <message>
        <source>&amp;Destination</source>
        <translation>&amp;Destination</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;SerialPort</source>
        <translation>Port &amp;série</translation>
    </message>
    <message>
        <source>Port devices...</source>
        <translation>Périphériques des ports...</translation>
    </message>
    <message>
        <source>Hexdump</source>
        <translation>Vue hexadécimale</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>&amp;About QYL Version</source>
        <translation>À &amp;propos de la version QYL</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>Ouvrir...</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Défaut</translation>
    </message>
    <message>
        <source>Save As Default</source>
        <translation>Enregistrer par défaut</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programmer</translation>
    </message>
    <message>
        <source>Program to Radio</source>
        <translation>Programmer la radio</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Lire</translation>
    </message>
    <message>
        <source>Read from Radio</source>
        <translation>Lire la radio</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Outils</translation>
    </message>
</context>
<context>
    <name>MainWindowExchange</name>
    <message>
        <source>
... and %1 more; Show Details lists every row.</source>
        <translation>
... et %1 de plus ; « Afficher les détails » liste toutes les lignes.</translation>
    </message>
</context>
<context>
    <name>Mmsi</name>
    <message>
        <source>Not an MMSI</source>
        <translation>Pas un MMSI</translation>
    </message>
    <message>
        <source>Ship station</source>
        <translation>Navire</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Groupe</translation>
    </message>
    <message>
        <source>Coast station</source>
        <translation>Station côtière</translation>
    </message>
    <message>
        <source>Handheld</source>
        <translation>Portable</translation>
    </message>
    <message>
        <source>SAR aircraft</source>
        <translation>Aéronef SAR</translation>
    </message>
    <message>
        <source>AIS aid to navigation</source>
        <translation>Aide à la navigation AIS</translation>
    </message>
    <message>
        <source>Craft of a parent ship</source>
        <translation>Embarcation d&apos;un navire mère</translation>
    </message>
    <message>
        <source>AIS-SART</source>
        <translation>AIS-SART</translation>
    </message>
    <message>
        <source>Man overboard device</source>
        <translation>Balise homme à la mer</translation>
    </message>
    <message>
        <source>EPIRB-AIS</source>
        <translation>EPIRB-AIS</translation>
    </message>
    <message>
        <source>User MMSI</source>
        <translation>MMSI utilisateur</translation>
    </message>
    <message>
        <source>Most radios accept their own MMSI only once: a wrong one can only be undone by a dealer.
Enter the User MMSI to be programmed once more:</source>
        <translation>La plupart des radios n&apos;acceptent leur MMSI qu&apos;une seule fois : seul un revendeur peut corriger une erreur.
Saisissez à nouveau le MMSI utilisateur à programmer :</translation>
    </message>
    <message>
        <source>The two entries of the User MMSI differ. Nothing was sent to the radio.</source>
        <translation>Les deux saisies du MMSI utilisateur diffèrent. Rien n&apos;a été envoyé à la radio.</translation>
    </message>
    <message>
        <source>MID %1 unknown</source>
        <translation>MID %1 inconnu</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>Do you want to program the %1 series?</source>
        <translation>Voulez-vous programmer la série %1 ?</translation>
    </message>
    <message>
        <source>PC Program for %1</source>
        <translation>Programme PC pour %1</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>the group directory</source>
        <translation>le répertoire de groupe</translation>
    </message>
    <message>
        <source>the individual directory</source>
        <translation>le répertoire individuel</translation>
    </message>
    <message>
        <source>%1 %2: this MMSI does not belong in %3.</source>
        <translation>%1 %2 : ce MMSI n&apos;a pas sa place dans %3.</translation>
    </message>
    <message>
        <source>%1 %2: a radio&apos;s own MMSI is a ship station&apos;s or a handheld&apos;s.</source>
        <translation>%1 %2 : le MMSI propre d&apos;une radio est celui d&apos;un navire ou d&apos;un portable.</translation>
    </message>
    <message>
        <source>No printer is set up on this computer.

File &gt; &quot;Export PDF...&quot; keeps the report as a PDF file, which any computer can print.</source>
        <translation>Aucune imprimante n&apos;est configurée sur cet ordinateur.

Fichier &gt; « Exporter en PDF... » enregistre le rapport en fichier PDF, imprimable sur tout ordinateur.</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>Exporter en PDF</translation>
    </message>
    <message>
        <source>PDF files(*.pdf);;All files(*.*)</source>
        <translation>Fichiers PDF (*.pdf);;Tous les fichiers (*.*)</translation>
    </message>
</context>
<context>
    <name>Rules</name>
    <message>
        <source>An ATIS code is 10 digits: 9, the country&apos;s MID (such as 244), then 6 more digits.</source>
        <translation>Un code ATIS a 10 chiffres : 9, le MID du pays (par ex. 244), puis 6 autres chiffres.</translation>
    </message>
    <message>
        <source>Rx frequency: needed while CH Enable is checked</source>
        <translation>Fréquence Rx : requise si CH activé est coché</translation>
    </message>
    <message>
        <source>Channel display: %1 characters</source>
        <translation>Affichage CH : %1 caractères</translation>
    </message>
    <message>
        <source>Group MMSI: %1 digits after the leading 0</source>
        <translation>MMSI de groupe : %1 chiffres après le 0 initial</translation>
    </message>
    <message>
        <source>MMSI: %1 digits</source>
        <translation>MMSI : %1 chiffres</translation>
    </message>
    <message>
        <source>No.%1: No.%2 needs a group name and an MMSI first</source>
        <translation>N°%1 : le N°%2 doit d&apos;abord avoir un nom de groupe et un MMSI</translation>
    </message>
    <message>
        <source>No.%1: No.%2 needs a station name and an MMSI first</source>
        <translation>N°%1 : le N°%2 doit d&apos;abord avoir un nom de station et un MMSI</translation>
    </message>
    <message>
        <source>No.%1: an entry in use needs a group name and an MMSI</source>
        <translation>N°%1 : une entrée utilisée doit avoir un nom de groupe et un MMSI</translation>
    </message>
    <message>
        <source>No.%1: an entry in use needs a station name and an MMSI</source>
        <translation>N°%1 : une entrée utilisée doit avoir un nom de station et un MMSI</translation>
    </message>
    <message>
        <source>Channel 16 is the international distress, safety and calling channel. Switch it off anyway?</source>
        <translation>Le canal 16 est le canal international de détresse, sécurité et appel. Le désactiver quand même ?</translation>
    </message>
    <message>
        <source>%1: %2 to %3 MHz in %4 kHz steps</source>
        <translation>%1 : %2 à %3 MHz par pas de %4 kHz</translation>
    </message>
    <message>
        <source>%1: %2 digits</source>
        <translation>%1 : %2 chiffres</translation>
    </message>
</context>
<context>
    <name>ShowChangesButton</name>
    <message>
        <source>Backup of %1</source>
        <translation>Sauvegarde du %1</translation>
    </message>
    <message>
        <source>To be written</source>
        <translation>À écrire</translation>
    </message>
    <message>
        <source>Changes since the backup of %1</source>
        <translation>Modifications depuis la sauvegarde du %1</translation>
    </message>
    <message>
        <source>Show changes</source>
        <translation>Afficher les modifications</translation>
    </message>
    <message>
        <source>What programming changes against the backup of %1 (%2)</source>
        <translation>Ce que la programmation modifie par rapport à la sauvegarde du %1 (%2)</translation>
    </message>
</context>
<context>
    <name>Steps</name>
    <message>
        <source>%1 enable</source>
        <translation>%1 activé</translation>
    </message>
    <message>
        <source>%1 Low Power Only</source>
        <translation>%1 basse puissance seule</translation>
    </message>
    <message>
        <source>%1 Power Up</source>
        <translation>%1 hausse puissance</translation>
    </message>
    <message>
        <source>%1 Duplex</source>
        <translation>%1 duplex</translation>
    </message>
    <message>
        <source>%1 Tx Enable</source>
        <translation>%1 Tx activée</translation>
    </message>
    <message>
        <source>%1 Scan Memory</source>
        <translation>%1 mémoire scan</translation>
    </message>
    <message>
        <source>%1 name</source>
        <translation>%1 nom</translation>
    </message>
    <message>
        <source>%1 scrambler</source>
        <translation>%1 embrouilleur</translation>
    </message>
    <message>
        <source>%1 display</source>
        <translation>%1 affichage</translation>
    </message>
    <message>
        <source>%1 Tx frequency</source>
        <translation>%1 fréquence Tx</translation>
    </message>
    <message>
        <source>%1 Rx frequency</source>
        <translation>%1 fréquence Rx</translation>
    </message>
    <message>
        <source>%1 TOT</source>
        <translation>%1 TOT TX</translation>
    </message>
    <message>
        <source>%1 priority channel</source>
        <translation>%1 CH prioritaire</translation>
    </message>
    <message>
        <source>%1 status name</source>
        <translation>%1 nom d&apos;état</translation>
    </message>
    <message>
        <source>%1 EXP groups</source>
        <translation>%1 groupes EXP</translation>
    </message>
    <message>
        <source>%1 MMSI</source>
        <translation>%1 MMSI</translation>
    </message>
    <message>
        <source>%1 MID</source>
        <translation>%1 MID</translation>
    </message>
    <message>
        <source>USA channels</source>
        <translation>Canaux USA</translation>
    </message>
    <message>
        <source>INTL channels</source>
        <translation>Canaux INTL</translation>
    </message>
    <message>
        <source>Canada channels</source>
        <translation>Canaux Canada</translation>
    </message>
    <message>
        <source>WX channels</source>
        <translation>Canaux WX</translation>
    </message>
    <message>
        <source>EXP channels</source>
        <translation>Canaux EXP</translation>
    </message>
    <message>
        <source>USA %1</source>
        <translation>USA %1</translation>
    </message>
    <message>
        <source>INTL %1</source>
        <translation>INTL %1</translation>
    </message>
    <message>
        <source>Canada %1</source>
        <translation>Canada %1</translation>
    </message>
    <message>
        <source>WX%1</source>
        <translation>WX%1</translation>
    </message>
    <message>
        <source>EXP%1</source>
        <translation>EXP%1</translation>
    </message>
    <message>
        <source>USA usable group</source>
        <translation>Groupe CH utilisable USA</translation>
    </message>
    <message>
        <source>INTL usable group</source>
        <translation>Groupe CH utilisable INTL</translation>
    </message>
    <message>
        <source>Canada usable group</source>
        <translation>Groupe CH utilisable Canada</translation>
    </message>
    <message>
        <source>EXP usable group</source>
        <translation>Groupe CH utilisable EXP</translation>
    </message>
    <message>
        <source>Common settings</source>
        <translation>Réglages communs</translation>
    </message>
    <message>
        <source>DSC settings</source>
        <translation>Réglages DSC</translation>
    </message>
    <message>
        <source>DSC call settings</source>
        <translation>Réglages d&apos;appel DSC</translation>
    </message>
    <message>
        <source>DSC display settings</source>
        <translation>Réglages d&apos;affichage DSC</translation>
    </message>
    <message>
        <source>Auto POS settings</source>
        <translation>Réglages Auto POS</translation>
    </message>
    <message>
        <source>ATIS settings</source>
        <translation>Réglages ATIS</translation>
    </message>
    <message>
        <source>ATIS call sign %1</source>
        <translation>Indicatif ATIS %1</translation>
    </message>
    <message>
        <source>Individual entry %1</source>
        <translation>Entrée individuelle %1</translation>
    </message>
    <message>
        <source>Group entry %1</source>
        <translation>Entrée de groupe %1</translation>
    </message>
    <message numerus="yes">
        <source>%n channels</source>
        <translation>
            <numerusform>%n canal</numerusform>
            <numerusform>%n canaux</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n directory entries</source>
        <translation>
            <numerusform>%n entrée de répertoire</numerusform>
            <numerusform>%n entrées de répertoire</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n settings</source>
        <translation>
            <numerusform>%n réglage</numerusform>
            <numerusform>%n réglages</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Import %n directory entries</source>
        <translation>
            <numerusform>Importer %n entrée de répertoire</numerusform>
            <numerusform>Importer %n entrées de répertoire</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Import %n channels</source>
        <translation>
            <numerusform>Importer %n canal</numerusform>
            <numerusform>Importer %n canaux</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Paste %n directory entries</source>
        <translation>
            <numerusform>Coller %n entrée de répertoire</numerusform>
            <numerusform>Coller %n entrées de répertoire</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Paste %n channels</source>
        <translation>
            <numerusform>Coller %n canal</numerusform>
            <numerusform>Coller %n canaux</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Tree</name>
    <message>
        <source>Memory ID%1[Enable]</source>
        <translation>ID mémoire %1[Activé]</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Usable CH Group Setup</source>
        <translation>Groupes CH utilisables</translation>
    </message>
    <message>
        <source>Common Setup</source>
        <translation>Réglages communs</translation>
    </message>
    <message>
        <source>DSC Setup</source>
        <translation>Réglages DSC</translation>
    </message>
    <message>
        <source>ATIS Setup</source>
        <translation>Réglages ATIS</translation>
    </message>
    <message>
        <source>Programable Channel</source>
        <translation>Canaux programmables</translation>
    </message>
    <message>
        <source>Group1</source>
        <translation>Groupe 1</translation>
    </message>
    <message>
        <source>Group2</source>
        <translation>Groupe 2</translation>
    </message>
    <message>
        <source>Group3</source>
        <translation>Groupe 3</translation>
    </message>
    <message>
        <source>Weather</source>
        <translation>Météo</translation>
    </message>
    <message>
        <source>DSC</source>
        <translation>DSC</translation>
    </message>
    <message>
        <source>Individual Directory</source>
        <translation>Répertoire individuel</translation>
    </message>
    <message>
        <source>Group Directory</source>
        <translation>Répertoire de groupe</translation>
    </message>
    <message>
        <source>EXP Channel</source>
        <translation>Canaux EXP</translation>
    </message>
    <message>
        <source>CH%1</source>
        <translation>CH%1</translation>
    </message>
    <message>
        <source>CH%1[Enable]</source>
        <translation>CH%1[Activé]</translation>
    </message>
    <message>
        <source>EXP%1</source>
        <translation>EXP%1</translation>
    </message>
    <message>
        <source>EXP%1[Enable]</source>
        <translation>EXP%1[Activé]</translation>
    </message>
    <message>
        <source>Memory ID%1</source>
        <translation>ID mémoire %1</translation>
    </message>
    <message>
        <source>Group ID%1</source>
        <translation>ID groupe %1</translation>
    </message>
    <message>
        <source>Group ID%1[Enable]</source>
        <translation>ID groupe %1[Activé]</translation>
    </message>
    <message>
        <source>Group%1</source>
        <translation>Groupe %1</translation>
    </message>
    <message>
        <source>Group%1(%2)</source>
        <translation>Groupe %1(%2)</translation>
    </message>
</context>
<context>
    <name>tq58::AboutDialog</name>
    <message>
        <source>About TQ58</source>
        <translation>À propos de TQ58</translation>
    </message>
    <message>
        <source>TQ58 logo</source>
        <translation>Logo TQ58</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Reads, edits and programs the channels, DSC directories and settings of the RV7200A, RV7700A and RV7700AM marine VHF radios over a serial cable.</source>
        <translation>Lit, modifie et programme les canaux, répertoires DSC et réglages des radios VHF marines RV7200A, RV7700A et RV7700AM par câble série.</translation>
    </message>
    <message>
        <source>This program comes with no warranty. Save the radio&apos;s settings to a file before you program it, and check the MMSI and the ATIS code against your radio licence.</source>
        <translation>Ce programme est fourni sans aucune garantie. Enregistrez les réglages de la radio dans un fichier avant de la programmer, et vérifiez le MMSI et le code ATIS par rapport à votre licence radio.</translation>
    </message>
    <message>
        <source>Built with Qt %1.</source>
        <translation>Compilé avec Qt %1.</translation>
    </message>
</context>
<context>
    <name>tq58::AtisPage</name>
    <message>
        <source>Usable ATIS CH Group</source>
        <translation>Groupes CH ATIS utilisables</translation>
    </message>
    <message>
        <source>Usable ATIS Killer CH Group</source>
        <translation>Groupes CH sans ATIS</translation>
    </message>
    <message>
        <source>ATIS Code</source>
        <translation>Code ATIS</translation>
    </message>
    <message>
        <source>ATISNo</source>
        <translation>N° ATIS</translation>
    </message>
    <message>
        <source>Data Error!!</source>
        <translation>Erreur de données !!</translation>
    </message>
    <message>
        <source>MID</source>
        <translation>MID</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <source>No.%1</source>
        <translation>N°%1</translation>
    </message>
    <message>
        <source>Common</source>
        <translation>Commun</translation>
    </message>
    <message>
        <source>CallSign</source>
        <translation>Indicatif</translation>
    </message>
    <message>
        <source>%1 MID</source>
        <translation>%1 MID</translation>
    </message>
    <message>
        <source>%1 Display</source>
        <translation>%1 affichage</translation>
    </message>
</context>
<context>
    <name>tq58::ChannelGridPage</name>
    <message>
        <source>Channels</source>
        <translation>Canaux</translation>
    </message>
    <message>
        <source>MEM</source>
        <translation>MEM</translation>
    </message>
    <message>
        <source>LOW</source>
        <translation>BAS</translation>
    </message>
    <message>
        <source>UP</source>
        <translation>HAUT</translation>
    </message>
    <message>
        <source>CH</source>
        <translation>CH</translation>
    </message>
    <message>
        <source>RX[MHz]</source>
        <translation>RX[MHz]</translation>
    </message>
    <message>
        <source>TX[MHz]</source>
        <translation>TX[MHz]</translation>
    </message>
    <message>
        <source>TX</source>
        <translation>TX</translation>
    </message>
    <message>
        <source>DUP</source>
        <translation>DUP</translation>
    </message>
    <message>
        <source>VS</source>
        <translation>VS</translation>
    </message>
    <message>
        <source>CH Name</source>
        <translation>Nom CH</translation>
    </message>
    <message>
        <source>ENABLE</source>
        <translation>ACTIVÉ</translation>
    </message>
    <message>
        <source>[Enable]</source>
        <translation>[Activé]</translation>
    </message>
    <message>
        <source>DISP</source>
        <translation>AFF</translation>
    </message>
</context>
<context>
    <name>tq58::ChannelPage</name>
    <message>
        <source>CH Display number</source>
        <translation>Numéro affiché du CH</translation>
    </message>
    <message>
        <source>CH Display suffix</source>
        <translation>Suffixe affiché du CH</translation>
    </message>
    <message>
        <source>Scrambler</source>
        <translation>Embrouilleur</translation>
    </message>
    <message>
        <source>CH Name</source>
        <translation>Nom CH</translation>
    </message>
    <message>
        <source>Tx Enable</source>
        <translation>Tx activée</translation>
    </message>
    <message>
        <source>Low Power Only</source>
        <translation>Basse puissance seule</translation>
    </message>
    <message>
        <source>Power Up</source>
        <translation>Hausse puissance</translation>
    </message>
    <message>
        <source>Duplex</source>
        <translation>Duplex</translation>
    </message>
    <message>
        <source>Scan Memory</source>
        <translation>Mémoire scan</translation>
    </message>
    <message>
        <source>Rx Frequency</source>
        <translation>Fréquence Rx</translation>
    </message>
    <message>
        <source>Rx frequency</source>
        <translation>Fréquence Rx</translation>
    </message>
    <message>
        <source>Tx Frequency</source>
        <translation>Fréquence Tx</translation>
    </message>
    <message>
        <source>Tx frequency</source>
        <translation>Fréquence Tx</translation>
    </message>
    <message>
        <source>Data Error!!</source>
        <translation>Erreur de données !!</translation>
    </message>
    <message>
        <source>CH Display</source>
        <translation>Affichage CH</translation>
    </message>
    <message>
        <source>MHz</source>
        <translation>MHz</translation>
    </message>
    <message>
        <source>CH Enable</source>
        <translation>CH activé</translation>
    </message>
    <message>
        <source>Please input correct data.</source>
        <translation>Veuillez saisir des données correctes.</translation>
    </message>
</context>
<context>
    <name>tq58::CheckWindow</name>
    <message>
        <source>Check Configuration</source>
        <translation>Vérifier la configuration</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Résumé</translation>
    </message>
    <message>
        <source>Warnings</source>
        <translation>Avertissements</translation>
    </message>
    <message>
        <source>Section</source>
        <translation>Section</translation>
    </message>
    <message>
        <source>Channel or entry</source>
        <translation>Canal ou entrée</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>Table of MIDs</source>
        <translation>Table des MID</translation>
    </message>
    <message>
        <source>&amp;Program Anyway</source>
        <translation>&amp;Programmer quand même</translation>
    </message>
</context>
<context>
    <name>tq58::CommonPage</name>
    <message>
        <source>kept in the file only; set it on the radio</source>
        <translation>conservé dans le fichier seulement ; à régler sur la radio</translation>
    </message>
    <message>
        <source>TX Po Display</source>
        <translation>Affichage puiss. TX</translation>
    </message>
    <message>
        <source>SCAN</source>
        <translation>SCAN</translation>
    </message>
    <message>
        <source>Resume Time</source>
        <translation>Délai de reprise</translation>
    </message>
    <message>
        <source>PTT SCAN Clear</source>
        <translation>PTT arrête le SCAN</translation>
    </message>
    <message>
        <source>Dual Watch</source>
        <translation>Double veille</translation>
    </message>
    <message>
        <source>Offset Time</source>
        <translation>Décalage horaire</translation>
    </message>
    <message>
        <source>Magnetic Variation</source>
        <translation>Déclinaison magnétique</translation>
    </message>
    <message>
        <source>Weather Alert</source>
        <translation>Alerte météo</translation>
    </message>
    <message>
        <source>Rotary Beep</source>
        <translation>Bip du bouton rotatif</translation>
    </message>
    <message>
        <source>Starting TX Mode</source>
        <translation>Mode TX au démarrage</translation>
    </message>
    <message>
        <source>Scanning Function</source>
        <translation>Fonction SCAN</translation>
    </message>
    <message>
        <source>NMEA Data Input</source>
        <translation>Entrée données NMEA</translation>
    </message>
    <message>
        <source>Weather CH Function</source>
        <translation>Fonction CH météo</translation>
    </message>
</context>
<context>
    <name>tq58::CompareWindow</name>
    <message>
        <source>Compare with %1</source>
        <translation>Comparer avec %1</translation>
    </message>
    <message>
        <source>Differences</source>
        <translation>Différences</translation>
    </message>
    <message>
        <source>Section</source>
        <translation>Section</translation>
    </message>
    <message>
        <source>Channel or entry</source>
        <translation>Canal ou entrée</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Champ</translation>
    </message>
    <message>
        <source>No setting differs.</source>
        <translation>Aucun réglage ne diffère.</translation>
    </message>
    <message>
        <source>1 setting differs.</source>
        <translation>1 réglage diffère.</translation>
    </message>
    <message numerus="yes">
        <source>%n settings differ.</source>
        <translation>
            <numerusform>%n réglage diffère.</numerusform>
            <numerusform>%n réglages diffèrent.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tq58::DirectoryEntryPage</name>
    <message>
        <source>Enable</source>
        <translation>Activé</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>MMSI</source>
        <translation>MMSI</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>MMSI kind</source>
        <translation>Type de MMSI</translation>
    </message>
    <message>
        <source>Group Directory</source>
        <translation>Répertoire de groupe</translation>
    </message>
    <message>
        <source>Individual Directory</source>
        <translation>Répertoire individuel</translation>
    </message>
    <message>
        <source>Group Name</source>
        <translation>Nom du groupe</translation>
    </message>
    <message>
        <source>Station Name</source>
        <translation>Nom de la station</translation>
    </message>
    <message>
        <source>Data Error!!</source>
        <translation>Erreur de données !!</translation>
    </message>
    <message>
        <source>Are you sure ?</source>
        <translation>Êtes-vous sûr ?</translation>
    </message>
    <message>
        <source>%1  No.%2</source>
        <translation>%1  N°%2</translation>
    </message>
</context>
<context>
    <name>tq58::DirectoryGridPage</name>
    <message>
        <source>Directory</source>
        <translation>Répertoire</translation>
    </message>
    <message>
        <source>Group Directory</source>
        <translation>Répertoire de groupe</translation>
    </message>
    <message>
        <source>Individual Directory</source>
        <translation>Répertoire individuel</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>N°</translation>
    </message>
    <message>
        <source>GROUP NAME</source>
        <translation>NOM DU GROUPE</translation>
    </message>
    <message>
        <source>STATION NAME</source>
        <translation>NOM DE LA STATION</translation>
    </message>
    <message>
        <source>MMSI</source>
        <translation>MMSI</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Type</translation>
    </message>
</context>
<context>
    <name>tq58::DirectoryOrderMenu</name>
    <message>
        <source>Move Up</source>
        <translation>Monter</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Descendre</translation>
    </message>
    <message>
        <source>Insert Entry</source>
        <translation>Insérer une entrée</translation>
    </message>
    <message>
        <source>Delete Entry</source>
        <translation>Supprimer l&apos;entrée</translation>
    </message>
    <message>
        <source>group entry %1</source>
        <translation>entrée de groupe %1</translation>
    </message>
    <message>
        <source>individual entry %1</source>
        <translation>entrée individuelle %1</translation>
    </message>
    <message>
        <source>Move %1 up</source>
        <translation>Monter %1</translation>
    </message>
    <message>
        <source>Move %1 down</source>
        <translation>Descendre %1</translation>
    </message>
    <message>
        <source>Insert %1</source>
        <translation>Insérer %1</translation>
    </message>
    <message>
        <source>Are you sure ?</source>
        <translation>Êtes-vous sûr ?</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation>Supprimer %1</translation>
    </message>
</context>
<context>
    <name>tq58::DscPage</name>
    <message>
        <source>Usable DSC CH Group</source>
        <translation>Groupes CH DSC utilisables</translation>
    </message>
    <message>
        <source>User MMSI</source>
        <translation>MMSI utilisateur</translation>
    </message>
    <message>
        <source>UserMMSI</source>
        <translation>MMSI utilisateur</translation>
    </message>
    <message>
        <source>User MMSI kind</source>
        <translation>Type du MMSI utilisateur</translation>
    </message>
    <message>
        <source>User MMSI count</source>
        <translation>Compteur du MMSI utilisateur</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Compteur</translation>
    </message>
    <message>
        <source>Data Error!!</source>
        <translation>Erreur de données !!</translation>
    </message>
    <message>
        <source>Log Clear</source>
        <translation>Effacer les journaux</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Clear %1</source>
        <translation>Effacer %1</translation>
    </message>
    <message>
        <source>DSC Beep Output</source>
        <translation>Bip DSC</translation>
    </message>
    <message>
        <source>Distress Cancel Call</source>
        <translation>Annulation détresse</translation>
    </message>
    <message>
        <source>Standby Mode</source>
        <translation>Mode veille</translation>
    </message>
    <message>
        <source>POS Request</source>
        <translation>Demande POS</translation>
    </message>
    <message>
        <source>POS Reporting</source>
        <translation>Rapport POS</translation>
    </message>
    <message>
        <source>Send Distress Alert</source>
        <translation>Envoi alerte détresse</translation>
    </message>
    <message>
        <source>Received All Ships</source>
        <translation>Reçu tous navires</translation>
    </message>
    <message>
        <source>Received Individual</source>
        <translation>Reçu individuel</translation>
    </message>
    <message>
        <source>Received Group</source>
        <translation>Reçu groupe</translation>
    </message>
    <message>
        <source>Received Geographic</source>
        <translation>Reçu géographique</translation>
    </message>
    <message>
        <source>Received POS Request</source>
        <translation>Reçu demande POS</translation>
    </message>
    <message>
        <source>Received POS Reporting</source>
        <translation>Reçu rapport POS</translation>
    </message>
    <message>
        <source>Distress</source>
        <translation>Détresse</translation>
    </message>
    <message>
        <source>Urgency</source>
        <translation>Urgence</translation>
    </message>
    <message>
        <source>Safety</source>
        <translation>Sécurité</translation>
    </message>
    <message>
        <source>Routine</source>
        <translation>Routine</translation>
    </message>
    <message>
        <source>Individual ACK Menu</source>
        <translation>Menu ACK individuel</translation>
    </message>
    <message>
        <source>Individual ACK Message Menu</source>
        <translation>Menu message ACK individuel</translation>
    </message>
    <message>
        <source>POS Request ACK Menu</source>
        <translation>Menu ACK demande POS</translation>
    </message>
    <message>
        <source>ALL Ships Call</source>
        <translation>Appel TOUS navires</translation>
    </message>
    <message>
        <source>Group Call</source>
        <translation>Appel de groupe</translation>
    </message>
    <message>
        <source>Individual Call</source>
        <translation>Appel individuel</translation>
    </message>
    <message>
        <source>Distress Log</source>
        <translation>Journal détresse</translation>
    </message>
    <message>
        <source>DSC Log</source>
        <translation>Journal DSC</translation>
    </message>
    <message>
        <source>Basic Setup</source>
        <translation>Réglages de base</translation>
    </message>
    <message>
        <source>Advanced Setup</source>
        <translation>Réglages avancés</translation>
    </message>
    <message>
        <source>Display Setup</source>
        <translation>Réglages affichage</translation>
    </message>
    <message>
        <source>%1 power</source>
        <translation>%1 puissance</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a call and its priority</comment>
        <translation>%1 : %2</translation>
    </message>
</context>
<context>
    <name>tq58::EditorFrame</name>
    <message>
        <source>Navigation</source>
        <translation>Navigation</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Page</translation>
    </message>
</context>
<context>
    <name>tq58::GeneralPage</name>
    <message>
        <source>TQ58 logo</source>
        <translation>Logo TQ58</translation>
    </message>
</context>
<context>
    <name>tq58::GridEditing</name>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>CH Name</source>
        <translation>Nom CH</translation>
    </message>
    <message>
        <source>CH Display</source>
        <translation>Affichage CH</translation>
    </message>
    <message>
        <source>Rx Frequency</source>
        <translation>Fréquence Rx</translation>
    </message>
    <message>
        <source>Tx Frequency</source>
        <translation>Fréquence Tx</translation>
    </message>
    <message>
        <source>Group Name</source>
        <translation>Nom du groupe</translation>
    </message>
    <message>
        <source>Station Name</source>
        <translation>Nom de la station</translation>
    </message>
    <message>
        <source>MMSI</source>
        <translation>MMSI</translation>
    </message>
    <message>
        <source>Data Error!!</source>
        <translation>Erreur de données !!</translation>
    </message>
</context>
<context>
    <name>tq58::HelpWindow</name>
    <message>
        <source>TQ58 Help</source>
        <translation>Aide de TQ58</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Texte d&apos;aide</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Précédent</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Suivant</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
</context>
<context>
    <name>tq58::HexDumpView</name>
    <message>
        <source>Memory image in hexadecimal</source>
        <translation>Image mémoire en hexadécimal</translation>
    </message>
</context>
<context>
    <name>tq58::MainWindow</name>
    <message>
        <source>Hexdump</source>
        <translation>Vue hexadécimale</translation>
    </message>
    <message>
        <source>Keyboard hint</source>
        <translation>Aide clavier</translation>
    </message>
    <message>
        <source>This file is for the %1; TQ58 is set to the %2.</source>
        <translation>Ce fichier est pour la %1 ; TQ58 est réglé sur la %2.</translation>
    </message>
    <message>
        <source>Switch to the %1 and open it?</source>
        <translation>Passer à la %1 et l&apos;ouvrir ?</translation>
    </message>
    <message>
        <source>This installation does not offer the %1.</source>
        <translation>Cette installation ne propose pas la %1.</translation>
    </message>
    <message>
        <source>This radio is an %1; TQ58 is set to the %2.</source>
        <translation>Cette radio est une %1 ; TQ58 est réglé sur la %2.</translation>
    </message>
    <message>
        <source>Switch to the %1 and read it again?</source>
        <translation>Passer à la %1 et la relire ?</translation>
    </message>
    <message>
        <source>Export %1</source>
        <translation>Exporter %1</translation>
    </message>
    <message>
        <source>1 row exported to %1</source>
        <translation>1 ligne exportée vers %1</translation>
    </message>
    <message numerus="yes">
        <source>%n rows exported to %1</source>
        <translation>
            <numerusform>%n ligne exportée vers %1</numerusform>
            <numerusform>%n lignes exportées vers %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Import CSV</source>
        <translation>Importer un CSV</translation>
    </message>
    <message>
        <source>1 row imported from %1</source>
        <translation>1 ligne importée depuis %1</translation>
    </message>
    <message numerus="yes">
        <source>%n rows imported from %1</source>
        <translation>
            <numerusform>%n ligne importée depuis %1</numerusform>
            <numerusform>%n lignes importées depuis %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Compare with</source>
        <translation>Comparer avec</translation>
    </message>
    <message>
        <source>This data</source>
        <translation>Ces données</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>%1

This file no longer exists. It has been removed from the list of recent files.</source>
        <translation>%1

Ce fichier n&apos;existe plus. Il a été retiré de la liste des fichiers récents.</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source>Load Image</source>
        <translation>Charger une image</translation>
    </message>
    <message>
        <source>Open Backup</source>
        <translation>Ouvrir une sauvegarde</translation>
    </message>
    <message>
        <source>Save Image</source>
        <translation>Enregistrer l&apos;image</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Find (Ctrl+F)</source>
        <translation>Rechercher (Ctrl+F)</translation>
    </message>
    <message>
        <source>Find a channel number, a channel or entry name, or an MMSI</source>
        <translation>Rechercher un n° de canal, un nom de canal ou d&apos;entrée, ou un MMSI</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Rechercher...</translation>
    </message>
    <message>
        <source>Nothing found for &quot;%1&quot;</source>
        <translation>Aucun résultat pour « %1 »</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Annuler %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Rétablir %1</translation>
    </message>
    <message>
        <source>Unknown model!!</source>
        <translation>Modèle inconnu !!</translation>
    </message>
    <message>
        <source>QYL data has changed.<byte value="xd"/>
Do you want to save changes?</source>
        <translation>Les données QYL ont changé.<byte value="xd"/>
Voulez-vous enregistrer les modifications ?</translation>
    </message>
    <message>
        <source>ModelType Error !!</source>
        <translation>Erreur de type de modèle !!</translation>
    </message>
    <message>
        <source>Do you want to change to %1?</source>
        <translation>Voulez-vous passer à %1 ?</translation>
    </message>
    <message>
        <source>csv files</source>
        <translation>Fichiers CSV</translation>
    </message>
    <message>
        <source>dat and hex files</source>
        <translation>Fichiers DAT et HEX</translation>
    </message>
    <message>
        <source>dat files</source>
        <translation>Fichiers DAT</translation>
    </message>
    <message>
        <source>hex files</source>
        <translation>Fichiers HEX</translation>
    </message>
    <message>
        <source>%1

The name of this file is not UTF-8 text, so TQ58 cannot open it. Rename the file, then open it again.</source>
        <translation>%1

Le nom de ce fichier n&apos;est pas un texte UTF-8 ; TQ58 ne peut donc pas l&apos;ouvrir. Renommez le fichier, puis ouvrez-le à nouveau.</translation>
    </message>
</context>
<context>
    <name>tq58::MmsiConfirmDialog</name>
    <message>
        <source>Explanation</source>
        <translation>Explication</translation>
    </message>
    <message>
        <source>User MMSI, once more</source>
        <translation>MMSI utilisateur, une seconde fois</translation>
    </message>
</context>
<context>
    <name>tq58::PortDevicesDialog</name>
    <message>
        <source>Port devices</source>
        <translation>Périphériques des ports</translation>
    </message>
    <message>
        <source>Options &gt; SerialPort chooses a port number; here you choose the device each number opens. Pick a serial device found on this computer or type the path of another one.</source>
        <translation>Options &gt; Port série choisit un numéro de port ; ici, vous choisissez le périphérique ouvert par chaque numéro. Choisissez un périphérique série trouvé sur cet ordinateur ou saisissez le chemin d&apos;un autre.</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Actualiser</translation>
    </message>
    <message>
        <source>Refresh the device list</source>
        <translation>Actualiser la liste des périphériques</translation>
    </message>
    <message>
        <source>COM&amp;%1:</source>
        <translation>COM&amp;%1 :</translation>
    </message>
    <message>
        <source>Device of COM%1</source>
        <translation>Périphérique de COM%1</translation>
    </message>
    <message>
        <source>No serial device found: plug in the cable and press Refresh.</source>
        <translation>Aucun périphérique série : branchez le câble et cliquez sur Actualiser.</translation>
    </message>
    <message>
        <source>Serial devices found: %1.</source>
        <translation>Périphériques série trouvés : %1.</translation>
    </message>
    <message>
        <source>serial device</source>
        <translation>périphérique série</translation>
    </message>
    <message>
        <source>the usual device, %1</source>
        <translation>le périphérique habituel, %1</translation>
    </message>
    <message>
        <source>present, not a listed serial device</source>
        <translation>présent, mais pas un périphérique série listé</translation>
    </message>
    <message>
        <source>not present now</source>
        <translation>absent actuellement</translation>
    </message>
    <message>
        <source>COM%1 device: %2</source>
        <translation>Périphérique COM%1 : %2</translation>
    </message>
</context>
<context>
    <name>tq58::ReportWindow</name>
    <message>
        <source>Settings Report</source>
        <translation>Rapport des réglages</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Save As...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Report text</source>
        <translation>Texte du rapport</translation>
    </message>
    <message>
        <source>Now, making text image. Please wait...</source>
        <translation>Création du texte en cours. Veuillez patienter...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source>Text files(*.txt);;All files(*.*)</source>
        <translation>Fichiers texte (*.txt);;Tous les fichiers (*.*)</translation>
    </message>
</context>
<context>
    <name>tq58::RowFlagMenu</name>
    <message>
        <source>On</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Non</translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) skipped: the channel does not allow %1 %2.</source>
        <translation>
            <numerusform>%n ligne ignorée : le canal n&apos;autorise pas %1 %2.</numerusform>
            <numerusform>%n lignes ignorées : le canal n&apos;autorise pas %1 %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>on</source>
        <translation>oui</translation>
    </message>
    <message>
        <source>off</source>
        <translation>non</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Activé</translation>
    </message>
    <message>
        <source>Scan Memory</source>
        <translation>Mémoire scan</translation>
    </message>
    <message>
        <source>Low Power Only</source>
        <translation>Basse puissance seule</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>a flag, then On or Off</comment>
        <translation>%1 : %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 %2 for %n channels</source>
        <translation>
            <numerusform>%1 : %2 pour %n canal</numerusform>
            <numerusform>%1 : %2 pour %n canaux</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tq58::TabbedPage</name>
    <message>
        <source>%1 tabs</source>
        <translation>Onglets %1</translation>
    </message>
</context>
<context>
    <name>tq58::TransferDialog</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Instructions</translation>
    </message>
    <message>
        <source>Link status</source>
        <translation>État de la liaison</translation>
    </message>
    <message>
        <source>&amp;Verify after programming</source>
        <translation>&amp;Vérifier après programmation</translation>
    </message>
    <message>
        <source>Verify after programming</source>
        <translation>Vérifier après programmation</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progression</translation>
    </message>
    <message>
        <source>Unable to display Help Contents. There is no Help associated with this project.</source>
        <translation>Impossible d&apos;afficher le sommaire de l&apos;aide. Aucune aide n&apos;est associée à ce projet.</translation>
    </message>
    <message>
        <source>Connecting to the cable…</source>
        <translation>Connexion au câble…</translation>
    </message>
    <message>
        <source>Waiting for the radio (%1 of %2)…</source>
        <translation>Attente de la radio (%1 sur %2)…</translation>
    </message>
</context>
<context>
    <name>tq58::TransferPicture</name>
    <message>
        <source>Picture: %1</source>
        <translation>Image : %1</translation>
    </message>
    <message>
        <source>PC</source>
        <translation>PC</translation>
    </message>
    <message>
        <source>QYL cable</source>
        <translation>Câble QYL</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
</context>
<context>
    <name>tq58::UsablePage</name>
    <message>
        <source>Usable Channel Groups</source>
        <translation>Groupes de canaux utilisables</translation>
    </message>
    <message>
        <source>Status Name</source>
        <translation>Nom d&apos;état</translation>
    </message>
    <message>
        <source>TX TOT</source>
        <translation>TOT TX</translation>
    </message>
    <message>
        <source>Priority CH</source>
        <translation>CH prioritaire</translation>
    </message>
    <message>
        <source>Expansion Channel Groups</source>
        <translation>Groupes de canaux d&apos;extension</translation>
    </message>
    <message>
        <source>%1 status name</source>
        <translation>%1 nom d&apos;état</translation>
    </message>
    <message>
        <source>%1 TX TOT</source>
        <translation>%1 TOT TX</translation>
    </message>
    <message>
        <source>%1 priority channel</source>
        <translation>%1 canal prioritaire</translation>
    </message>
</context>
<context>
    <name>tq58::WeatherPage</name>
    <message>
        <source>%1 Enable</source>
        <translation>%1 activé</translation>
    </message>
    <message>
        <source>%1 Scan</source>
        <translation>%1 scan</translation>
    </message>
    <message>
        <source>%1 CH Name</source>
        <translation>%1 nom CH</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Activé</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Scan</translation>
    </message>
    <message>
        <source>CH Name</source>
        <translation>Nom CH</translation>
    </message>
</context>
</TS>
