<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Captions</name>
    <message>
        <location filename="../src/editor/GroupCaptions.cpp" line="+15"/>
        <source>EXP CH Group</source>
        <translation>Groupe CH EXP</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Group%1</source>
        <translation>Groupe %1</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>EXP CH Group[%1]</source>
        <translation>Groupe CH EXP[%1]</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Group%1[%2]</source>
        <translation>Groupe %1[%2]</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>USA</source>
        <translation>USA</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>INTL</source>
        <translation>INTL</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CANADA</source>
        <translation>CANADA</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>EXP</source>
        <translation>EXP</translation>
    </message>
</context>
<context>
    <name>Check</name>
    <message>
        <location filename="../src/editor/ConfigurationCheck.cpp" line="+20"/>
        <source>Programable USA Channel</source>
        <translation>Canaux USA programmables</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Programable International Channel</source>
        <translation>Canaux internationaux programmables</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Programable Canada Channel</source>
        <translation>Canaux Canada programmables</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>No.%1</source>
        <translation>N°%1</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>%1MID %2 of %3 is allocated to no country.</source>
        <translation>%1MID %2 de %3 non attribué à un pays.</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>DSC Setup (Basic Setup)</source>
        <translation>Réglages DSC (Réglages de base)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>User MMSI</source>
        <translation>MMSI utilisateur</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1%2 is not an MMSI (a ship station&apos;s begins with 2 to 7); a radio&apos;s own MMSI is a ship station&apos;s or a handheld&apos;s.</source>
        <translation>%1%2 n&apos;est pas un MMSI (celui d&apos;une station de navire commence par 2 à 7)&#xa0;; le MMSI propre d&apos;une radio est celui d&apos;une station de navire ou d&apos;une VHF portative.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1%2 reads as %3; a radio&apos;s own MMSI is a ship station&apos;s or a handheld&apos;s.</source>
        <translation>%1%2 se lit %3&#xa0;; le MMSI propre d&apos;une radio est celui d&apos;une station de navire ou d&apos;une VHF portative.</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>ATIS Setup (Common)</source>
        <translation>Réglages ATIS (Commun)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ATIS Code</source>
        <translation>Code ATIS</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 does not follow the rule. %2</source>
        <translation>%1 ne respecte pas la règle. %2</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+109"/>
        <source>CH %1</source>
        <translation>CH %1</translation>
    </message>
    <message>
        <location line="-108"/>
        <source>Channel 16 is switched off in %1: it is the international distress, safety and calling channel.</source>
        <translation>Le canal 16 est désactivé dans %1&#xa0;: c&apos;est le canal international de détresse, sécurité et appel.</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>%1%2 is not an MMSI (a ship station&apos;s begins with 2 to 7), which does not belong in the group directory.</source>
        <translation>%1%2 n&apos;est pas un MMSI (celui d&apos;une station de navire commence par 2 à 7) et n&apos;a pas sa place dans le répertoire de groupe.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1%2 reads as %3, which does not belong in the group directory.</source>
        <translation>%1%2 se lit %3, qui n&apos;a pas sa place dans le répertoire de groupe.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1%2 is not an MMSI (a ship station&apos;s begins with 2 to 7), which does not belong in the individual directory.</source>
        <translation>%1%2 n&apos;est pas un MMSI (celui d&apos;une station de navire commence par 2 à 7) et n&apos;a pas sa place dans le répertoire individuel.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1%2 reads as %3, which does not belong in the individual directory.</source>
        <translation>%1%2 se lit %3, qui n&apos;a pas sa place dans le répertoire individuel.</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>%1the same MMSI as No.%2.</source>
        <translation>%1même MMSI que le N°%2.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1the same name as No.%2.</source>
        <translation>%1même nom que le N°%2.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Memory ID Setting</source>
        <translation>Réglage ID mémoire</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Group ID Setting</source>
        <translation>Réglage ID groupe</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Programable Exp Channel</source>
        <translation>Canaux EXP programmables</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The channel is in use but has no name.</source>
        <translation>Le canal est utilisé mais n&apos;a pas de nom.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 EXP channels are in use without a name.</source>
        <translation>%1 canaux EXP sont utilisés sans nom.</translation>
    </message>
</context>
<context>
    <name>CheckWindow</name>
    <message>
        <location filename="../src/gui/CheckWindow.cpp" line="+30"/>
        <source>Nothing needs a second look.</source>
        <translation>Rien à revérifier.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>1 setting deserves a second look.</source>
        <translation>1 réglage mérite d&apos;être revérifié.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 settings deserve a second look.</source>
        <translation>%1 réglages méritent d&apos;être revérifiés.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Double-click a warning to open its setting.</source>
        <translation>Double-cliquez sur un avertissement pour ouvrir son réglage.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Program Anyway sends the data as it is; Cancel stops before anything is sent.</source>
        <translation>«&#xa0;Programmer quand même&#xa0;» envoie les données telles quelles&#xa0;; «&#xa0;Annuler&#xa0;» s&apos;arrête avant tout envoi.</translation>
    </message>
</context>
<context>
    <name>Countries</name>
    <message>
        <location filename="../src/editor/CountryNames.cpp" line="+12"/>
        <source>Albania</source>
        <translation>Albanie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Antigua and Barbuda</source>
        <translation>Antigua-et-Barbuda</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Aruba</source>
        <translation>Aruba</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Australia</source>
        <translation>Australie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Austria</source>
        <translation>Autriche</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bahamas</source>
        <translation>Bahamas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Barbados</source>
        <translation>Barbade</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Belgium</source>
        <translation>Belgique</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bermuda</source>
        <translation>Bermudes</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Brazil</source>
        <translation>Brésil</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>British Virgin Islands</source>
        <translation>Îles Vierges britanniques</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bulgaria</source>
        <translation>Bulgarie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Canada</source>
        <translation>Canada</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cape Verde</source>
        <translation>Cap-Vert</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cayman Islands</source>
        <translation>Îles Caïmans</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Croatia</source>
        <translation>Croatie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Curacao</source>
        <translation>Curaçao</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cyprus</source>
        <translation>Chypre</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Czech Republic</source>
        <translation>Tchéquie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Denmark</source>
        <translation>Danemark</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Egypt</source>
        <translation>Égypte</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Estonia</source>
        <translation>Estonie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Faroe Islands</source>
        <translation>Îles Féroé</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Finland</source>
        <translation>Finlande</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>France</source>
        <translation>France</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>French Polynesia</source>
        <translation>Polynésie française</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Germany</source>
        <translation>Allemagne</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Gibraltar</source>
        <translation>Gibraltar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Greece</source>
        <translation>Grèce</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Greenland</source>
        <translation>Groenland</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Grenada</source>
        <translation>Grenade</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Guadeloupe</source>
        <translation>Guadeloupe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hungary</source>
        <translation>Hongrie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Iceland</source>
        <translation>Islande</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ireland</source>
        <translation>Irlande</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Israel</source>
        <translation>Israël</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Italy</source>
        <translation>Italie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Japan</source>
        <translation>Japon</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Latvia</source>
        <translation>Lettonie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Liechtenstein</source>
        <translation>Liechtenstein</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lithuania</source>
        <translation>Lituanie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Luxembourg</source>
        <translation>Luxembourg</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Malta</source>
        <translation>Malte</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Marshall Islands</source>
        <translation>Îles Marshall</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Martinique</source>
        <translation>Martinique</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mexico</source>
        <translation>Mexique</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Monaco</source>
        <translation>Monaco</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Montenegro</source>
        <translation>Monténégro</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Morocco</source>
        <translation>Maroc</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Netherlands</source>
        <translation>Pays-Bas</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>New Caledonia</source>
        <translation>Nouvelle-Calédonie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>New Zealand</source>
        <translation>Nouvelle-Zélande</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Norway</source>
        <translation>Norvège</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Panama</source>
        <translation>Panama</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Poland</source>
        <translation>Pologne</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Portugal</source>
        <translation>Portugal</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Portugal (Azores)</source>
        <translation>Portugal (Açores)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Portugal (Madeira)</source>
        <translation>Portugal (Madère)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Romania</source>
        <translation>Roumanie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Russia</source>
        <translation>Russie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Saint Lucia</source>
        <translation>Sainte-Lucie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Saint Vincent and the Grenadines</source>
        <translation>Saint-Vincent-et-les-Grenadines</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Slovenia</source>
        <translation>Slovénie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>South Africa</source>
        <translation>Afrique du Sud</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Spain</source>
        <translation>Espagne</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sweden</source>
        <translation>Suède</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Switzerland</source>
        <translation>Suisse</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tunisia</source>
        <translation>Tunisie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Turkey</source>
        <translation>Turquie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ukraine</source>
        <translation>Ukraine</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>United Kingdom</source>
        <translation>Royaume-Uni</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>US Virgin Islands</source>
        <translation>Îles Vierges des États-Unis</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>USA</source>
        <translation>États-Unis</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>USA (Alaska)</source>
        <translation>États-Unis (Alaska)</translation>
    </message>
</context>
<context>
    <name>Csv</name>
    <message>
        <location filename="../src/editor/CsvCells.cpp" line="+77"/>
        <source>Nothing was imported: %1 row was refused.</source>
        <translation>Rien n&apos;a été importé&#xa0;: %1 ligne refusée.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nothing was imported: %1 rows were refused.</source>
        <translation>Rien n&apos;a été importé&#xa0;: %1 lignes refusées.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>line %1: %2</source>
        <translation>ligne %1&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>... and %1 more refused row after these</source>
        <translation>... et %1 autre ligne refusée après celles-ci</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>... and %1 more refused rows after these</source>
        <translation>... et %1 autres lignes refusées après celles-ci</translation>
    </message>
    <message>
        <location filename="../src/editor/CsvExchange.cpp" line="+61"/>
        <source>the first heading names no list; it must be one of %1</source>
        <translation>le premier en-tête ne désigne aucune liste&#xa0;; ce doit être l&apos;un de %1</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>Nothing was imported: %1</source>
        <translation>Rien n&apos;a été importé&#xa0;: %1</translation>
    </message>
    <message>
        <location filename="../src/editor/CsvLists.h" line="+23"/>
        <source>EXP Channels</source>
        <translation>Canaux EXP</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>USA Channels</source>
        <translation>Canaux USA</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>INTL Channels</source>
        <translation>Canaux INTL</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Canada Channels</source>
        <translation>Canaux Canada</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Individual Directory</source>
        <translation>Répertoire individuel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Group Directory</source>
        <translation>Répertoire de groupe</translation>
    </message>
    <message>
        <location filename="../src/editor/ChannelCsv.cpp" line="+128"/>
        <source>heading %1 is not a column of this list</source>
        <translation>l&apos;en-tête %1 n&apos;est pas une colonne de cette liste</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>heading %1 appears twice</source>
        <translation>l&apos;en-tête %1 apparaît deux fois</translation>
    </message>
    <message>
        <location line="+24"/>
        <location filename="../src/editor/DirectoryCsv.cpp" line="+72"/>
        <source>more cells than headings</source>
        <translation>plus de cellules que d&apos;en-têtes</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>an enabled EXP channel needs an Rx Frequency and two characters of CH Display</source>
        <translation>un canal EXP activé doit avoir une Rx Frequency et deux caractères dans CH Display</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>%1 cannot be changed on this channel</source>
        <translation>%1 ne peut pas être modifié sur ce canal</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 %2 is not On or Off</source>
        <translation>%1 %2 n&apos;est ni On ni Off</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>%1 %2 is not a frequency in MHz</source>
        <translation>%1 %2 n&apos;est pas une fréquence en MHz</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1 %2 is not on the 25 kHz raster from 137 to 174 MHz</source>
        <translation>%1 %2 n&apos;est pas sur la grille de 25 kHz de 137 à 174 MHz</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>%1 %2 is not a channel number the display can show</source>
        <translation>%1 %2 n&apos;est pas un numéro de canal que l&apos;afficheur peut montrer</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>%1 %2 is not Off, 0, 1, 2 or 3</source>
        <translation>%1 %2 n&apos;est pas Off, 0, 1, 2 ou 3</translation>
    </message>
    <message>
        <location line="+15"/>
        <location filename="../src/editor/DirectoryCsv.cpp" line="+36"/>
        <source>%1 %2 is longer than %3 characters</source>
        <translation>%1 %2 dépasse %3 caractères</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/editor/DirectoryCsv.cpp" line="+5"/>
        <source>%1 %2 holds a character the radio cannot store</source>
        <translation>%1 %2 contient un caractère que la radio ne peut pas enregistrer</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>%1 %2 is not a channel of the list</source>
        <translation>%1 %2 n&apos;est pas un canal de la liste</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the channel is in line %1 already</source>
        <translation>le canal est déjà à la ligne %1</translation>
    </message>
    <message>
        <location filename="../src/editor/CsvCells.cpp" line="-25"/>
        <source>Nothing was pasted: %1 row was refused.</source>
        <translation>Rien n&apos;a été collé&#xa0;: %1 ligne refusée.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nothing was pasted: %1 rows were refused.</source>
        <translation>Rien n&apos;a été collé&#xa0;: %1 lignes refusées.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>row %1: %2</source>
        <translation>ligne %1&#xa0;: %2</translation>
    </message>
    <message>
        <location filename="../src/editor/DirectoryCsv.cpp" line="-46"/>
        <source>entry %1 needs a name and an MMSI before entry %2 can be used</source>
        <translation>l&apos;entrée %1 doit avoir un nom et un MMSI avant que l&apos;entrée %2 puisse être utilisée</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>%1 %2: entries are numbered 1, 2, 3 ... in order without gaps, so this row is entry %3</source>
        <translation>%1 %2&#xa0;: les entrées sont numérotées 1, 2, 3 ... dans l&apos;ordre sans trou, cette ligne est donc l&apos;entrée %3</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>MMSI %1 is not %2 digits after the leading 0</source>
        <translation>le MMSI %1 n&apos;a pas %2 chiffres après le 0 initial</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>MMSI %1 is not %2 digits</source>
        <translation>le MMSI %1 n&apos;a pas %2 chiffres</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>the headings are not %1</source>
        <translation>les en-têtes ne sont pas %1</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>the directory has only %1 entries</source>
        <translation>le répertoire n&apos;a que %1 entrées</translation>
    </message>
    <message>
        <location filename="../src/editor/GridRows.cpp" line="+106"/>
        <source>%1 is not an entry of the directory</source>
        <translation>%1 n&apos;est pas une entrée du répertoire</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>entries are used in order from 1: entry %1 is switched off, so entry %2 cannot be used yet</source>
        <translation>les entrées s&apos;utilisent dans l&apos;ordre à partir de 1 : l&apos;entrée %1 est désactivée, l&apos;entrée %2 ne peut donc pas encore être utilisée</translation>
    </message>
    <message>
        <location line="+195"/>
        <source>Nothing was pasted: the columns fit no list; the %2 takes %1.</source>
        <translation>Rien n&apos;a été collé : les colonnes ne correspondent à aucune liste ; la liste %2 a les colonnes %1.</translation>
    </message>
    <message>
        <location line="+73"/>
        <source>Nothing was pasted: the clipboard holds more than %1 MB, far more than a list.</source>
        <translation>Rien n&apos;a été collé : le presse-papiers contient plus de %1 Mo, bien plus qu&apos;une liste.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Nothing was pasted: the rows are not of the %1.</source>
        <translation>Rien n&apos;a été collé&#xa0;: les lignes ne sont pas de la liste %1.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Nothing was pasted: the clipboard holds no rows.</source>
        <translation>Rien n&apos;a été collé&#xa0;: le presse-papiers ne contient aucune ligne.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>below the list&apos;s last row</source>
        <translation>sous la dernière ligne de la liste</translation>
    </message>
</context>
<context>
    <name>CsvHeadings</name>
    <message>
        <location filename="../src/model/ChannelFields.cpp" line="+17"/>
        <source>CH Enable</source>
        <translation>CH activé</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>CH Display</source>
        <translation>Affichage CH</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Rx Frequency</source>
        <translation>Fréquence Rx</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Tx Frequency</source>
        <translation>Fréquence Tx</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Tx Enable</source>
        <translation>Tx activée</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Low Power Only</source>
        <translation>Basse puissance seule</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Power Up</source>
        <translation>Hausse puissance</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Duplex</source>
        <translation>Duplex</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Scan Memory</source>
        <translation>Mémoire scan</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Scrambler</source>
        <translation>Embrouilleur</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>CH Name</source>
        <translation>Nom CH</translation>
    </message>
    <message>
        <location filename="../src/editor/CsvHeadingNames.cpp" line="+14"/>
        <source>Memory ID</source>
        <translation>N°</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Station Name</source>
        <translation>Nom de la station</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Group ID</source>
        <translation>N°</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Group Name</source>
        <translation>Nom du groupe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>MMSI</source>
        <translation>MMSI</translation>
    </message>
</context>
<context>
    <name>DistressChannelWarning</name>
    <message>
        <location filename="../src/gui/DistressChannelWarning.cpp" line="+25"/>
        <source>Channel 16 is switched off in %1. It is the international distress, safety and calling channel.
The data was taken as it is; switch it on again on the channel&apos;s page.</source>
        <translation>Le canal 16 est désactivé dans %1. C&apos;est le canal international de détresse, sécurité et appel.
Les données ont été reprises telles quelles&#xa0;; réactivez-le sur la page du canal.</translation>
    </message>
</context>
<context>
    <name>FileChooser</name>
    <message>
        <location filename="../src/gui/FileChooser.cpp" line="+45"/>
        <source>All files</source>
        <translation>Tous les fichiers</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <location filename="../src/files/FileMessages.h" line="+9"/>
        <source>ModelType Error !!</source>
        <translation>Erreur de type de modèle&#xa0;!!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>FileRead Error!!</source>
        <translation>Erreur de lecture du fichier&#xa0;!!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>FileSave Error!!</source>
        <translation>Erreur d&apos;enregistrement du fichier&#xa0;!!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>bad file!!</source>
        <translation>fichier incorrect&#xa0;!!</translation>
    </message>
    <message>
        <location filename="../src/files/ImageFile.cpp" line="+99"/>
        <source>Read from Radio</source>
        <translation>Lire depuis la radio</translation>
    </message>
    <message>
        <location filename="../src/files/MissingSections.cpp" line="+77"/>
        <source>This file is incomplete: %1 section is missing (%2). Their settings hold factory values; check them before you save or program.</source>
        <translation>Ce fichier est incomplet&#xa0;: %1 section manque (%2). Ses réglages ont les valeurs d&apos;usine&#xa0;; vérifiez-les avant d&apos;enregistrer ou de programmer.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>This file is incomplete: %1 sections are missing (%2). Their settings hold factory values; check them before you save or program.</source>
        <translation>Ce fichier est incomplet&#xa0;: %1 sections manquent (%2). Leurs réglages ont les valeurs d&apos;usine&#xa0;; vérifiez-les avant d&apos;enregistrer ou de programmer.</translation>
    </message>
    <message>
        <location filename="../src/editor/MidTable.h" line="+41"/>
        <source>The table of MIDs could not be read: the countries of MMSIs and ATIS codes are not checked.</source>
        <translation>La table des MID n&apos;a pas pu être lue&#xa0;: les pays des MMSI et codes ATIS ne sont pas vérifiés.</translation>
    </message>
    <message>
        <location filename="../src/program/Destinations.h" line="+63"/>
        <source>IniFileRead Error!!</source>
        <translation>Erreur de lecture du fichier INI&#xa0;!!</translation>
    </message>
    <message>
        <location filename="../src/program/ReadBackups.h" line="+46"/>
        <source>The image read from the radio could not be kept as a backup.</source>
        <translation>L&apos;image lue depuis la radio n&apos;a pas pu être conservée comme sauvegarde.</translation>
    </message>
    <message>
        <location filename="../src/files/MissingSections.cpp" line="-17"/>
        <source>%1 to %2</source>
        <translation>%1 à %2</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 and %2 more</source>
        <translation>%1 et %2 autres</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <location filename="../src/gui/help/HelpWindow.cpp" line="+62"/>
        <source>The help document %1 is missing.</source>
        <translation>Le document d&apos;aide %1 est introuvable.</translation>
    </message>
</context>
<context>
    <name>Hints</name>
    <message>
        <location filename="../src/editor/ControlHints.cpp" line="+18"/>
        <source>[Space]:An effective and invalid change.</source>
        <translation>[Espace]&#xa0;: active ou désactive.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>[Up]/[Down]:Change of a Selection item.</source>
        <translation>[Haut]/[Bas]&#xa0;: change la sélection.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>A maximum of %1 characters</source>
        <translation>%1 caractères max</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>A maximum of %1 characters.</source>
        <translation>%1 caractères max.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Numeric Only. Indispensable %1 figures.</source>
        <translation>Chiffres seulement. %1 chiffres obligatoires.</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Indispensable 2 figures.</source>
        <translation>2 chiffres obligatoires.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Indispensable 1 figures.</source>
        <translation>1 chiffre obligatoire.</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Select[x]Enable/[]Disable.</source>
        <translation>[x] Activé / [ ] Désactivé.</translation>
    </message>
    <message>
        <location line="+4"/>
        <location filename="../src/editor/NavigationTree.h" line="+62"/>
        <source>[Up]/[Down]/[Left]/[Right]:Change of a Selection item.</source>
        <translation>[Haut]/[Bas]/[Gauche]/[Droite]&#xa0;: change la sélection.</translation>
    </message>
    <message>
        <location line="-37"/>
        <source>[Double click],[Enter]:Jump the Setting screen.</source>
        <translation>[Double-clic], [Entrée]&#xa0;: ouvre l&apos;écran de réglage.</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>A Click Inicializes the log</source>
        <translation>Un clic efface le journal</translation>
    </message>
    <message>
        <location line="-14"/>
        <source>Rx frequency</source>
        <translation>Fréquence Rx</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tx frequency</source>
        <translation>Fréquence Tx</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>max 4 charactors.</source>
        <translation>4 caractères max.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Indispensable 3 figures.</source>
        <translation>3 chiffres obligatoires.</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <location filename="../src/gui/LanguageMenu.cpp" line="+15"/>
        <source>System</source>
        <translation>Système</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Takes effect at the next start</source>
        <translation>Effectif au prochain démarrage</translation>
    </message>
</context>
<context>
    <name>Link</name>
    <message>
        <location filename="../src/link/BlockProtocol.cpp" line="+76"/>
        <location filename="../src/link/TransferChecks.cpp" line="+60"/>
        <source>cancel!!</source>
        <translation>annulé&#xa0;!!</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+10"/>
        <location filename="../src/link/TransferChecks.cpp" line="+2"/>
        <source>time out!!</source>
        <translation>délai dépassé&#xa0;!!</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>address error!!</source>
        <translation>erreur d&apos;adresse&#xa0;!!</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>data error!!</source>
        <translation>erreur de données&#xa0;!!</translation>
    </message>
    <message>
        <location filename="../src/link/TransferChecks.cpp" line="+24"/>
        <location line="+17"/>
        <location line="+35"/>
        <location filename="../src/link/TransferData.cpp" line="+80"/>
        <source>Communication Error!!</source>
        <translation>Erreur de communication&#xa0;!!</translation>
    </message>
    <message>
        <location filename="../src/link/LinkStart.cpp" line="+93"/>
        <source>ACMD Command error!!</source>
        <translation>erreur de commande ACMD&#xa0;!!</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+7"/>
        <source>error!!</source>
        <translation>erreur&#xa0;!!</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>port inicialize error!!</source>
        <translation>erreur d&apos;initialisation du port&#xa0;!!</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>confirm the synchronization of the communication</source>
        <translation>Confirmer la synchronisation de la communication&#xa0;?</translation>
    </message>
    <message>
        <location filename="../src/link/TransferChecks.cpp" line="-114"/>
        <source>Radio is busy!!</source>
        <translation>Radio occupée&#xa0;!!</translation>
    </message>
    <message>
        <location line="+78"/>
        <location line="+35"/>
        <source>Model Check</source>
        <translation>Vérification du modèle</translation>
    </message>
    <message>
        <location line="-24"/>
        <location line="+40"/>
        <location filename="../src/link/TransferData.cpp" line="-11"/>
        <location filename="../src/link/TransferOperations.cpp" line="+21"/>
        <source>Read from Radio</source>
        <translation>Lire depuis la radio</translation>
    </message>
    <message>
        <location line="-39"/>
        <location line="+40"/>
        <source>ModelType Error !!</source>
        <translation>Erreur de type de modèle&#xa0;!!</translation>
    </message>
    <message>
        <location line="-6"/>
        <source>Product Code Error!</source>
        <translation>Erreur de code produit&#xa0;!</translation>
    </message>
    <message>
        <location filename="../src/link/TransferData.cpp" line="+59"/>
        <location line="+35"/>
        <location line="+7"/>
        <location line="+24"/>
        <location filename="../src/link/TransferOperations.cpp" line="+1"/>
        <source>Program to Radio</source>
        <translation>Programmer la radio</translation>
    </message>
    <message>
        <location filename="../src/link/TransferOperations.cpp" line="+1"/>
        <source>Clear DSC Log Data</source>
        <translation>Effacer le journal DSC</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clear Distress Log Data</source>
        <translation>Effacer le journal de détresse</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>1.Connect the QYL cable between the PC serial port and the radio.</source>
        <translation>1.Reliez le câble QYL entre le port série du PC et la radio.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>2.On the radio, press and hold [DISTRESS] and [CALL] keys while</source>
        <translation>2.Sur la radio, maintenez les touches [DISTRESS] et [CALL] en</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>   turning the power on.</source>
        <translation>   allumant l&apos;appareil.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>   The Radio display will show PC CONTROL.</source>
        <translation>   L&apos;écran de la radio affiche PC CONTROL.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>3.Press the [OK] button to start.</source>
        <translation>3.Cliquez sur [OK] pour commencer.</translation>
    </message>
    <message>
        <location line="+62"/>
        <source>Data Error!!</source>
        <translation>Erreur de données&#xa0;!!</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Radio not ready!!</source>
        <translation>Radio pas prête&#xa0;!!</translation>
    </message>
    <message>
        <location line="+16"/>
        <location line="+1"/>
        <source>Complete!!</source>
        <translation>Terminé&#xa0;!!</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Verified</source>
        <translation>Vérifié</translation>
    </message>
    <message>
        <location filename="../src/link/LinkFeedback.cpp" line="+52"/>
        <source>Communication Error!!
The cable or its adapter on %1 went away: the line hung up. Check that the adapter is plugged in and the cable is seated, then try again.</source>
        <translation>Erreur de communication&#xa0;!!
Le câble ou son adaptateur sur %1 a disparu&#xa0;: la ligne a été coupée. Vérifiez que l&apos;adaptateur est branché et que le câble est bien en place, puis réessayez.</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Communication Error!!
The radio on %1 did not answer. Check that it is switched on and in clone mode (its display shows PC CONTROL), that the cable is seated at both ends, and that the right port is chosen.</source>
        <translation>Erreur de communication&#xa0;!!
La radio sur %1 n&apos;a pas répondu. Vérifiez qu&apos;elle est allumée et en mode clonage (son écran affiche PC CONTROL), que le câble est bien branché aux deux bouts et que le bon port est choisi.</translation>
    </message>
</context>
<context>
    <name>Lists</name>
    <message>
        <location filename="../src/model/ValueLists.cpp" line="+35"/>
        <location line="+9"/>
        <location line="+4"/>
        <source>Off</source>
        <extracomment>A setting switched off; also the first item of a list of times (no resume time).</extracomment>
        <translation>Arrêt</translation>
    </message>
    <message>
        <location line="-13"/>
        <source>On</source>
        <translation>Marche</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Low</source>
        <translation>Basse</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Hi</source>
        <translation>Haute</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Lo Po Only</source>
        <extracomment>The transmit power a channel starts with: low power only.</extracomment>
        <translation>Basse P. seule</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lo Po on Changing CH</source>
        <translation>Basse P. au chgt CH</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Last TX Po</source>
        <translation>Dernière P. TX</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>1Sec</source>
        <translation>1 s</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>2Sec</source>
        <translation>2 s</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>3Sec</source>
        <translation>3 s</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>4Sec</source>
        <translation>4 s</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>5Sec</source>
        <translation>5 s</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>On Wx</source>
        <translation>Sur WX</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>On Scan</source>
        <translation>Sur SCAN</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Wx and Scan</source>
        <translation>WX et SCAN</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>True</source>
        <translation>Vrai</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Mag</source>
        <translation>Mag</translation>
    </message>
    <message>
        <location filename="../src/model/ValueLists.h" line="+38"/>
        <source>(not set)</source>
        <translation>(aucun)</translation>
    </message>
</context>
<context>
    <name>MainMenus</name>
    <message>
        <location filename="../src/gui/MainMenus.cpp" line="+32"/>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Open</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Open &amp;Backup...</source>
        <translation>Ouvrir une sau&amp;vegarde...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save &amp;As...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Save As &amp;Default</source>
        <translation>Enregistrer par &amp;défaut</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Print</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>P&amp;rint to File</source>
        <translation>Imprimer dans un &amp;fichier</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Print Pre&amp;view</source>
        <translation>&amp;Aperçu avant impression</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Export PDF...</source>
        <translation>Exporter en &amp;PDF...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Export &amp;CSV</source>
        <translation>Exporter en &amp;CSV</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>%1...</source>
        <extracomment>%1 is a list&apos;s title (&quot;EXP Channels&quot;); the dots say a file dialog follows.</extracomment>
        <translation>%1...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Import CSV...</source>
        <translation>Impor&amp;ter un CSV...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Co&amp;mpare with...</source>
        <translation>Co&amp;mparer avec...</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Edit</source>
        <translation>&amp;Édition</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Model</source>
        <translation>&amp;Modèle</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>&amp;Transfer</source>
        <translation>&amp;Transfert</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Program to Radio</source>
        <translation>&amp;Programmer la radio</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Read from Radio</source>
        <translation>&amp;Lire depuis la radio</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Check Configuration...</source>
        <translation>&amp;Vérifier la configuration...</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Destination</source>
        <translation>&amp;Destination</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;SerialPort</source>
        <translation>Port &amp;série</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Port devices...</source>
        <translation>Périphériques des ports...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Hexdump</source>
        <translation>Vue hexadécimale</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;About QYL Version</source>
        <translation>À &amp;propos de la version QYL</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Open...</source>
        <translation>Ouvrir...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Default</source>
        <translation>Par défaut</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save As Default</source>
        <translation>Enregistrer par défaut</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+6"/>
        <source>Program</source>
        <translation>Programmer</translation>
    </message>
    <message>
        <location line="-5"/>
        <location line="+6"/>
        <source>Program to Radio</source>
        <translation>Programmer la radio</translation>
    </message>
    <message>
        <location line="-4"/>
        <location line="+6"/>
        <source>Read</source>
        <translation>Lire</translation>
    </message>
    <message>
        <location line="-5"/>
        <location line="+6"/>
        <source>Read from Radio</source>
        <translation>Lire depuis la radio</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Tools</source>
        <translation>Outils</translation>
    </message>
</context>
<context>
    <name>MainWindowExchange</name>
    <message>
        <location filename="../src/gui/MainWindowExchange.cpp" line="+59"/>
        <source>
... and %1 more; %2 lists every row.</source>
        <extracomment>%2 is the message box&apos;s own button, &quot;Show Details&quot; in the user&apos;s language.</extracomment>
        <translation>
... et %1 de plus&#xa0;; «&#xa0;%2&#xa0;» liste toutes les lignes.</translation>
    </message>
</context>
<context>
    <name>Mmsi</name>
    <message>
        <location filename="../src/editor/MmsiKinds.cpp" line="+45"/>
        <source>Not an MMSI</source>
        <translation>Pas un MMSI</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Ship station</source>
        <translation>Station de navire</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Group</source>
        <translation>Groupe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Coast station</source>
        <translation>Station côtière</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Handheld</source>
        <translation>VHF portative</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>SAR aircraft</source>
        <translation>Aéronef SAR</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>AIS aid to navigation</source>
        <translation>Aide à la navigation AIS</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Craft of a parent ship</source>
        <translation>Embarcation d&apos;un navire mère</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>AIS-SART</source>
        <translation>AIS-SART</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Man overboard device</source>
        <translation>Balise homme à la mer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>EPIRB-AIS</source>
        <translation>EPIRB-AIS</translation>
    </message>
    <message>
        <location filename="../src/editor/UserMmsiConfirmation.h" line="+38"/>
        <source>User MMSI</source>
        <translation>MMSI utilisateur</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Most radios accept their own MMSI only once: a wrong one can only be undone by a dealer.
Enter the User MMSI to be programmed once more:</source>
        <translation>La plupart des radios n&apos;acceptent leur MMSI qu&apos;une seule fois&#xa0;: seul un revendeur peut corriger une erreur.
Saisissez à nouveau le MMSI utilisateur à programmer&#xa0;:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The two entries of the User MMSI differ. Nothing was sent to the radio.</source>
        <translation>Les deux saisies du MMSI utilisateur diffèrent. Rien n&apos;a été envoyé à la radio.</translation>
    </message>
    <message>
        <location filename="../src/editor/MmsiKinds.cpp" line="+57"/>
        <source>MID %1 unknown</source>
        <translation>MID %1 inconnu</translation>
    </message>
    <message>
        <location filename="../src/editor/UserMmsiConfirmation.cpp" line="+51"/>
        <source>User MMSI %1 has %2 digits; an MMSI has 9.</source>
        <translation>Le MMSI utilisateur %1 a %2 chiffres ; un MMSI en a 9.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>User MMSI &quot;%1&quot; holds other characters than digits; an MMSI has 9 digits.</source>
        <translation>Le MMSI utilisateur « %1 » contient d&apos;autres caractères que des chiffres ; un MMSI a 9 chiffres.</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <location filename="../src/program/ModelSelection.cpp" line="+103"/>
        <source>Do you want to program the %1 series?</source>
        <translation>Voulez-vous programmer la série %1&#xa0;?</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>PC Program for %1</source>
        <translation>Programme PC pour %1</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <location filename="../src/gui/editor/MmsiMarks.cpp" line="+28"/>
        <source>the group directory</source>
        <translation>le répertoire de groupe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the individual directory</source>
        <translation>le répertoire individuel</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>%1 %2: this MMSI does not belong in %3.</source>
        <translation>%1 %2&#xa0;: ce MMSI n&apos;a pas sa place dans %3.</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>%1 %2: a radio&apos;s own MMSI is a ship station&apos;s or a handheld&apos;s.</source>
        <translation>%1 %2&#xa0;: le MMSI propre d&apos;une radio est celui d&apos;une station de navire ou d&apos;une VHF portative.</translation>
    </message>
    <message>
        <location filename="../src/gui/report/ReportPrinting.cpp" line="+104"/>
        <source>No printer is set up on this computer.

File &gt; &quot;Export PDF...&quot; keeps the report as a PDF file, which any computer can print.</source>
        <translation>Aucune imprimante n&apos;est configurée sur cet ordinateur.

Fichier &gt; «&#xa0;Exporter en PDF...&#xa0;» enregistre le rapport en fichier PDF, imprimable sur tout ordinateur.</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Export PDF</source>
        <translation>Exporter en PDF</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>PDF files(*.pdf);;All files(*.*)</source>
        <translation>Fichiers PDF (*.pdf);;Tous les fichiers (*.*)</translation>
    </message>
    <message>
        <location filename="../src/platform/SerialPortProblem.cpp" line="+75"/>
        <source>You may not open the serial port device %1.

Ask the administrator of this computer for read and write access to it.</source>
        <translation>Vous n&apos;avez pas le droit d&apos;ouvrir le périphérique du port série %1.

Demandez à l&apos;administrateur de cet ordinateur l&apos;accès en lecture et en écriture à ce périphérique.</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The serial port device %1 belongs to the group &quot;%2&quot;. User %3 was added to that group, but this session started before that.

Log out and log in again (or restart the computer), then press OK once more.</source>
        <translation>Le périphérique du port série %1 appartient au groupe «&#xa0;%2&#xa0;». L&apos;utilisateur %3 a été ajouté à ce groupe, mais cette session a commencé avant.

Déconnectez-vous puis reconnectez-vous (ou redémarrez l&apos;ordinateur), puis cliquez à nouveau sur OK.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>You may not open the serial port device %1: it belongs to the group &quot;%2&quot;, and user %3 is not a member of it.

Add the user to the group with the command
    sudo usermod -aG %2 %3
then log out and log in again, and press OK once more.</source>
        <translation>Vous n&apos;avez pas le droit d&apos;ouvrir le périphérique du port série %1&#xa0;: il appartient au groupe «&#xa0;%2&#xa0;», et l&apos;utilisateur %3 n&apos;en est pas membre.

Ajoutez l&apos;utilisateur au groupe avec la commande
    sudo usermod -aG %2 %3
puis déconnectez-vous et reconnectez-vous, et cliquez à nouveau sur OK.</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>a program</source>
        <translation>un programme</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 (process %2)</source>
        <translation>%1 (processus %2)</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>This computer shows no serial device at all.</source>
        <translation>Cet ordinateur ne montre aucun périphérique série.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Serial devices on this computer: %1.</source>
        <translation>Périphériques série de cet ordinateur&#xa0;: %1.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>The serial port device %1 does not exist.

Plug the USB serial adapter of the QYL cable in, and check the name of its device.

%2</source>
        <translation>Le périphérique du port série %1 n&apos;existe pas.

Branchez l&apos;adaptateur série USB du câble QYL et vérifiez le nom de son périphérique.

%2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The serial port device %1 (COM%2) does not exist.

Plug the USB serial adapter of the QYL cable in. If it is plugged in, choose its port under Options &gt; SerialPort, or enter its device for COM%2 under Options &gt; &quot;Port devices...&quot;.

%3</source>
        <translation>Le périphérique du port série %1 (COM%2) n&apos;existe pas.

Branchez l&apos;adaptateur série USB du câble QYL. S&apos;il est branché, choisissez son port dans Options &gt; Port série, ou saisissez son périphérique pour COM%2 dans Options &gt; «&#xa0;Périphériques des ports...&#xa0;».

%3</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>The serial port device %1 could not be opened (%2).

If another program uses the port, close that program, then press OK once more.</source>
        <translation>Le périphérique du port série %1 n&apos;a pas pu être ouvert (%2).

Si un autre programme utilise le port, fermez ce programme, puis cliquez à nouveau sur OK.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The serial port device %1 is in use by %2.

Close that program, or end its connection to the port, then press OK once more.</source>
        <translation>Le périphérique du port série %1 est utilisé par %2.

Fermez ce programme ou mettez fin à sa connexion au port, puis cliquez à nouveau sur OK.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source> and </source>
        <translation> et </translation>
    </message>
</context>
<context>
    <name>RowFlags</name>
    <message>
        <location filename="../src/model/ChannelFields.cpp" line="-21"/>
        <source>Enable</source>
        <translation>Activé</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Low Power Only</source>
        <translation>Basse puissance seule</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Scan Memory</source>
        <translation>Mémoire scan</translation>
    </message>
</context>
<context>
    <name>Rules</name>
    <message>
        <location filename="../src/editor/AtisCodeRule.h" line="+14"/>
        <source>An ATIS code is 10 digits: 9, the country&apos;s MID (such as 244), then 6 more digits.</source>
        <translation>Un code ATIS a 10 chiffres&#xa0;: 9, le MID du pays (par ex. 244), puis 6 autres chiffres.</translation>
    </message>
    <message>
        <location filename="../src/editor/ChannelPageCheck.cpp" line="+16"/>
        <source>Rx frequency: needed while CH Enable is checked</source>
        <translation>Fréquence Rx&#xa0;: requise si CH activé est coché</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Channel display: %1 characters</source>
        <translation>Affichage CH&#xa0;: %1 caractères</translation>
    </message>
    <message>
        <location filename="../src/editor/DirectoryRules.cpp" line="+62"/>
        <source>Group MMSI: %1 digits after the leading 0</source>
        <translation>MMSI de groupe&#xa0;: %1 chiffres après le 0 initial</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>MMSI: %1 digits</source>
        <translation>MMSI&#xa0;: %1 chiffres</translation>
    </message>
    <message>
        <location line="+45"/>
        <source>No.%1: No.%2 needs a group name and an MMSI first</source>
        <translation>N°%1&#xa0;: le N°%2 doit d&apos;abord avoir un nom de groupe et un MMSI</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No.%1: No.%2 needs a station name and an MMSI first</source>
        <translation>N°%1&#xa0;: le N°%2 doit d&apos;abord avoir un nom de station et un MMSI</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>No.%1: an entry in use needs a group name and an MMSI</source>
        <translation>N°%1&#xa0;: une entrée utilisée doit avoir un nom de groupe et un MMSI</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>No.%1: an entry in use needs a station name and an MMSI</source>
        <translation>N°%1&#xa0;: une entrée utilisée doit avoir un nom de station et un MMSI</translation>
    </message>
    <message>
        <location filename="../src/editor/DistressChannel.h" line="+15"/>
        <source>Channel 16 is the international distress, safety and calling channel. Switch it off anyway?</source>
        <translation>Le canal 16 est le canal international de détresse, sécurité et appel. Le désactiver quand même&#xa0;?</translation>
    </message>
    <message>
        <location filename="../src/editor/FrequencyEntry.cpp" line="+48"/>
        <source>%1: %2 to %3 MHz in %4 kHz steps</source>
        <translation>%1&#xa0;: %2 à %3 MHz par pas de %4 kHz</translation>
    </message>
    <message>
        <location filename="../src/editor/SettingEntries.cpp" line="+37"/>
        <source>%1: %2 digits</source>
        <translation>%1&#xa0;: %2 chiffres</translation>
    </message>
</context>
<context>
    <name>ShowChangesButton</name>
    <message>
        <location filename="../src/gui/transfer/ShowChangesButton.cpp" line="+22"/>
        <source>Backup of %1</source>
        <translation>Sauvegarde du %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>To be written</source>
        <translation>À écrire</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Changes since the backup of %1</source>
        <translation>Modifications depuis la sauvegarde du %1</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Show changes</source>
        <translation>Afficher les modifications</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>What programming changes against the backup of %1 (%2)</source>
        <translation>Ce que la programmation modifie par rapport à la sauvegarde du %1 (%2)</translation>
    </message>
</context>
<context>
    <name>Steps</name>
    <message>
        <location filename="../src/model/ChannelFields.cpp" line="-19"/>
        <location filename="../src/editor/ChangeNames.cpp" line="+26"/>
        <location line="+9"/>
        <source>%1 enable</source>
        <translation>%1 activé</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>%1 Low Power Only</source>
        <translation>%1 basse puissance seule</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 Power Up</source>
        <translation>%1 hausse puissance</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 Duplex</source>
        <translation>%1 duplex</translation>
    </message>
    <message>
        <location line="-7"/>
        <source>%1 Tx Enable</source>
        <translation>%1 Tx activée</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>%1 Scan Memory</source>
        <translation>%1 mémoire scan</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../src/editor/ChangeNames.cpp" line="+1"/>
        <source>%1 name</source>
        <translation>%1 nom</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>%1 scrambler</source>
        <translation>%1 embrouilleur</translation>
    </message>
    <message>
        <location line="-18"/>
        <location filename="../src/editor/ChangeNames.cpp" line="+7"/>
        <source>%1 display</source>
        <translation>%1 affichage</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 Tx frequency</source>
        <translation>%1 fréquence Tx</translation>
    </message>
    <message>
        <location line="-2"/>
        <source>%1 Rx frequency</source>
        <translation>%1 fréquence Rx</translation>
    </message>
    <message>
        <location filename="../src/editor/ChangeNames.cpp" line="-16"/>
        <source>%1 TOT</source>
        <translation>%1 TOT TX</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 priority channel</source>
        <translation>%1 CH prioritaire</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 status name</source>
        <translation>%1 nom d&apos;état</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 EXP groups</source>
        <translation>%1 groupes EXP</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 MMSI</source>
        <translation>%1 MMSI</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 MID</source>
        <translation>%1 MID</translation>
    </message>
    <message>
        <location line="+56"/>
        <source>USA channels</source>
        <translation>Canaux USA</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>INTL channels</source>
        <translation>Canaux INTL</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Canada channels</source>
        <translation>Canaux Canada</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>WX channels</source>
        <translation>Canaux WX</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>EXP channels</source>
        <translation>Canaux EXP</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>USA %1</source>
        <translation>USA %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>INTL %1</source>
        <translation>INTL %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Canada %1</source>
        <translation>Canada %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>WX%1</source>
        <translation>WX%1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>EXP%1</source>
        <translation>EXP%1</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>USA usable group</source>
        <translation>Groupe CH utilisable USA</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>INTL usable group</source>
        <translation>Groupe CH utilisable INTL</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Canada usable group</source>
        <translation>Groupe CH utilisable Canada</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>EXP usable group</source>
        <translation>Groupe CH utilisable EXP</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Common settings</source>
        <translation>Réglages communs</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>DSC settings</source>
        <translation>Réglages DSC</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>DSC call settings</source>
        <translation>Réglages d&apos;appel DSC</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>DSC display settings</source>
        <translation>Réglages d&apos;affichage DSC</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Auto POS settings</source>
        <translation>Réglages Auto POS</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ATIS settings</source>
        <translation>Réglages ATIS</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ATIS call sign %1</source>
        <translation>Indicatif ATIS %1</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Individual entry %1</source>
        <translation>Entrée individuelle %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Group entry %1</source>
        <translation>Entrée de groupe %1</translation>
    </message>
    <message numerus="yes">
        <location line="+29"/>
        <source>%n channels</source>
        <translation>
            <numerusform>%n canal</numerusform>
            <numerusform>%n canaux</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>%n directory entries</source>
        <translation>
            <numerusform>%n entrée de répertoire</numerusform>
            <numerusform>%n entrées de répertoire</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n settings</source>
        <translation>
            <numerusform>%n réglage</numerusform>
            <numerusform>%n réglages</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+6"/>
        <source>Import %n directory entries</source>
        <translation>
            <numerusform>Importer %n entrée de répertoire</numerusform>
            <numerusform>Importer %n entrées de répertoire</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Import %n channels</source>
        <translation>
            <numerusform>Importer %n canal</numerusform>
            <numerusform>Importer %n canaux</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+4"/>
        <source>Paste %n directory entries</source>
        <translation>
            <numerusform>Coller %n entrée de répertoire</numerusform>
            <numerusform>Coller %n entrées de répertoire</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Paste %n channels</source>
        <translation>
            <numerusform>Coller %n canal</numerusform>
            <numerusform>Coller %n canaux</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+5"/>
        <source>%1 %2 for %n channels</source>
        <translation>
            <numerusform>%1&#xa0;: %2 pour %n canal</numerusform>
            <numerusform>%1&#xa0;: %2 pour %n canaux</numerusform>
        </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>on</source>
        <translation>oui</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>off</source>
        <translation>non</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Move %1 up</source>
        <translation>Monter %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Move %1 down</source>
        <translation>Descendre %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Insert %1</source>
        <translation>Insérer %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Delete %1</source>
        <translation>Supprimer %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>group entry %1</source>
        <translation>entrée de groupe %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>individual entry %1</source>
        <translation>entrée individuelle %1</translation>
    </message>
</context>
<context>
    <name>Tree</name>
    <message>
        <location filename="../src/gui/editor/EditorFrame.cpp" line="+69"/>
        <location filename="../src/editor/NavigationTree.cpp" line="+73"/>
        <source>Memory ID%1[Enable]</source>
        <translation>ID mémoire %1[Activé]</translation>
    </message>
    <message>
        <location filename="../src/editor/NavigationTree.cpp" line="-53"/>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Usable CH Group Setup</source>
        <translation>Groupes CH utilisables</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Common Setup</source>
        <translation>Réglages communs</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DSC Setup</source>
        <translation>Réglages DSC</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ATIS Setup</source>
        <translation>Réglages ATIS</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Programable Channel</source>
        <translation>Canaux programmables</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Group1</source>
        <translation>Groupe 1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Group2</source>
        <translation>Groupe 2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Group3</source>
        <translation>Groupe 3</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Weather</source>
        <translation>Météo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DSC</source>
        <translation>DSC</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Individual Directory</source>
        <translation>Répertoire individuel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Group Directory</source>
        <translation>Répertoire de groupe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>EXP Channel</source>
        <translation>Canaux EXP</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>CH%1</source>
        <translation>CH%1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CH%1[Enable]</source>
        <translation>CH%1[Activé]</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>EXP%1</source>
        <translation>EXP%1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>EXP%1[Enable]</source>
        <translation>EXP%1[Activé]</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Memory ID%1</source>
        <translation>ID mémoire %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Group ID%1</source>
        <translation>ID groupe %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Group ID%1[Enable]</source>
        <translation>ID groupe %1[Activé]</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Group%1</source>
        <translation>Groupe %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Group%1(%2)</source>
        <translation>Groupe %1(%2)</translation>
    </message>
</context>
<context>
    <name>tq58::AboutDialog</name>
    <message>
        <location filename="../src/gui/AboutDialog.cpp" line="+35"/>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>About TQ58</source>
        <translation>À propos de TQ58</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>TQ58 logo</source>
        <translation>Logo TQ58</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Reads, edits and programs the channels, DSC directories and settings of the %1 marine VHF radios over a serial cable.</source>
        <translation>Lit, modifie et programme les canaux, répertoires DSC et réglages des radios VHF marines %1 par câble série.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>This program comes with no warranty. Save the radio&apos;s settings to a file before you program it, and check the MMSI and the ATIS code against your radio licence.</source>
        <translation>Ce programme est fourni sans aucune garantie. Enregistrez les réglages de la radio dans un fichier avant de la programmer, et vérifiez le MMSI et le code ATIS par rapport à votre licence radio.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Built with Qt %1.</source>
        <translation>Compilé avec Qt %1.</translation>
    </message>
</context>
<context>
    <name>tq58::AtisPage</name>
    <message>
        <location filename="../src/gui/editor/AtisPage.cpp" line="+63"/>
        <source>Usable ATIS CH Group</source>
        <translation>Groupes CH ATIS utilisables</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Usable ATIS Killer CH Group</source>
        <translation>Groupes CH sans ATIS</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+1"/>
        <source>ATIS Code</source>
        <translation>Code ATIS</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>ATISNo</source>
        <translation>N° ATIS</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Data Error!!</source>
        <translation>Erreur de données&#xa0;!!</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>MID</source>
        <translation>MID</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Display</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>No.%1</source>
        <translation>N°%1</translation>
    </message>
    <message>
        <location line="-84"/>
        <source>Common</source>
        <translation>Commun</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>CallSign</source>
        <translation>Indicatif</translation>
    </message>
    <message>
        <location line="+86"/>
        <source>%1 MID</source>
        <translation>%1 MID</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 Display</source>
        <translation>%1 affichage</translation>
    </message>
</context>
<context>
    <name>tq58::ChannelGridPage</name>
    <message>
        <location filename="../src/gui/editor/ChannelGridPage.cpp" line="+185"/>
        <source>Channels</source>
        <translation>Canaux</translation>
    </message>
    <message>
        <location line="-146"/>
        <location line="+40"/>
        <location line="+23"/>
        <source>MEM</source>
        <translation>MEM</translation>
    </message>
    <message>
        <location line="-59"/>
        <location line="+29"/>
        <location line="+28"/>
        <source>LOW</source>
        <extracomment>Column and mark of a channel sent with low power only; at most four letters.</extracomment>
        <translation>BAS</translation>
    </message>
    <message>
        <location line="-53"/>
        <location line="+26"/>
        <location line="+28"/>
        <source>UP</source>
        <extracomment>Column and mark of a channel that switches to high power (power up); at most four letters.</extracomment>
        <translation>HAUT</translation>
    </message>
    <message>
        <location line="-42"/>
        <location line="+26"/>
        <source>CH</source>
        <translation>CH</translation>
    </message>
    <message>
        <location line="-22"/>
        <location line="+33"/>
        <source>RX[MHz]</source>
        <translation>RX[MHz]</translation>
    </message>
    <message>
        <location line="-31"/>
        <location line="+33"/>
        <source>TX[MHz]</source>
        <translation>TX[MHz]</translation>
    </message>
    <message>
        <location line="-31"/>
        <location line="+2"/>
        <source>TX</source>
        <translation>TX</translation>
    </message>
    <message>
        <location line="+5"/>
        <location line="+2"/>
        <source>DUP</source>
        <translation>DUP</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+23"/>
        <source>VS</source>
        <translation>VS</translation>
    </message>
    <message>
        <location line="-22"/>
        <location line="+23"/>
        <source>CH Name</source>
        <translation>Nom CH</translation>
    </message>
    <message>
        <location line="-15"/>
        <source>ENABLE</source>
        <translation>ACTIVÉ</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>[Enable]</source>
        <translation>[Activé]</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>DISP</source>
        <translation>AFF</translation>
    </message>
</context>
<context>
    <name>tq58::ChannelPage</name>
    <message>
        <location filename="../src/gui/editor/ChannelPage.cpp" line="+146"/>
        <source>CH Display number</source>
        <translation>Numéro affiché du CH</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CH Display suffix</source>
        <translation>Suffixe affiché du CH</translation>
    </message>
    <message>
        <location line="+31"/>
        <location line="+3"/>
        <source>Scrambler</source>
        <translation>Embrouilleur</translation>
    </message>
    <message>
        <location line="+11"/>
        <location line="+1"/>
        <source>CH Name</source>
        <translation>Nom CH</translation>
    </message>
    <message>
        <location line="-131"/>
        <source>Tx Enable</source>
        <translation>Tx activée</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Low Power Only</source>
        <translation>Basse puissance seule</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Power Up</source>
        <translation>Hausse puissance</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Duplex</source>
        <translation>Duplex</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Scan Memory</source>
        <translation>Mémoire scan</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Rx Frequency</source>
        <translation>Fréquence Rx</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Rx frequency</source>
        <translation>Fréquence Rx</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tx Frequency</source>
        <translation>Fréquence Tx</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tx frequency</source>
        <translation>Fréquence Tx</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Data Error!!</source>
        <translation>Erreur de données&#xa0;!!</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>CH Display</source>
        <translation>Affichage CH</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>MHz</source>
        <translation>MHz</translation>
    </message>
    <message>
        <location line="+33"/>
        <source>CH Enable</source>
        <translation>CH activé</translation>
    </message>
    <message>
        <location line="+176"/>
        <source>Please input correct data.</source>
        <translation>Veuillez saisir des données correctes.</translation>
    </message>
</context>
<context>
    <name>tq58::CheckWindow</name>
    <message>
        <location filename="../src/gui/CheckWindow.cpp" line="+13"/>
        <source>Check Configuration</source>
        <translation>Vérifier la configuration</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Summary</source>
        <translation>Résumé</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Warnings</source>
        <translation>Avertissements</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Section</source>
        <translation>Section</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Channel or entry</source>
        <translation>Canal ou entrée</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Table of MIDs</source>
        <translation>Table des MID</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>&amp;Program Anyway</source>
        <translation>&amp;Programmer quand même</translation>
    </message>
</context>
<context>
    <name>tq58::CommonPage</name>
    <message>
        <location filename="../src/gui/editor/CommonPage.cpp" line="+128"/>
        <source>kept in the file only; set it on the radio</source>
        <translation>conservé dans le fichier seulement&#xa0;; à régler sur la radio</translation>
    </message>
    <message>
        <location line="-92"/>
        <source>TX Po Display</source>
        <extracomment>Transmit power display: the power a channel starts with (low, or the last one used).</extracomment>
        <translation>Affichage puiss. TX</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>SCAN</source>
        <translation>SCAN</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Resume Time</source>
        <translation>Délai de reprise</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>PTT SCAN Clear</source>
        <translation>PTT arrête le SCAN</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Dual Watch</source>
        <translation>Double veille</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Offset Time</source>
        <translation>Décalage horaire</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Magnetic Variation</source>
        <translation>Déclinaison magnétique</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Weather Alert</source>
        <translation>Alerte météo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Rotary Beep</source>
        <translation>Bip du bouton rotatif</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Starting TX Mode</source>
        <translation>Mode TX au démarrage</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Scanning Function</source>
        <translation>Fonction SCAN</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>NMEA Data Input</source>
        <translation>Entrée données NMEA</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Weather CH Function</source>
        <translation>Fonction CH météo</translation>
    </message>
</context>
<context>
    <name>tq58::CompareWindow</name>
    <message>
        <location filename="../src/gui/CompareWindow.cpp" line="+68"/>
        <source>Compare with %1</source>
        <translation>Comparer avec %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Differences</source>
        <translation>Différences</translation>
    </message>
    <message>
        <location line="+29"/>
        <location line="+16"/>
        <source>Section</source>
        <translation>Section</translation>
    </message>
    <message>
        <location line="-16"/>
        <location line="+16"/>
        <source>Channel or entry</source>
        <translation>Canal ou entrée</translation>
    </message>
    <message>
        <location line="-16"/>
        <location line="+16"/>
        <source>Field</source>
        <translation>Champ</translation>
    </message>
    <message>
        <location line="-20"/>
        <source>No setting differs.</source>
        <translation>Aucun réglage ne diffère.</translation>
    </message>
    <message>
        <location line="-66"/>
        <source>Usable CH Group Setup</source>
        <translation>Groupes CH utilisables</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Common Setup</source>
        <translation>Réglages communs</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DSC Setup (Basic Setup)</source>
        <translation>Réglages DSC (Réglages de base)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DSC Setup (Advanced Setup)</source>
        <translation>Réglages DSC (Réglages avancés)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DSC Setup (Display Setup)</source>
        <translation>Réglages DSC (Réglages affichage)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ATIS Setup (Common)</source>
        <translation>Réglages ATIS (Commun)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ATIS Setup (Call Sign)</source>
        <translation>Réglages ATIS (Indicatif)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Model</source>
        <translation>Modèle</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Programable Wx Channel</source>
        <translation>Canaux météo programmables</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Programable Exp Channel</source>
        <translation>Canaux EXP programmables</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Programable USA Channel</source>
        <translation>Canaux USA programmables</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Programable International Channel</source>
        <translation>Canaux internationaux programmables</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Programable Canada Channel</source>
        <translation>Canaux Canada programmables</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Memory ID Setting</source>
        <translation>Répertoire individuel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Group ID Setting</source>
        <translation>Répertoire de groupe</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>1 setting differs.</source>
        <translation>1 réglage diffère.</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n settings differ.</source>
        <translation>
            <numerusform>%n réglage diffère.</numerusform>
            <numerusform>%n réglages diffèrent.</numerusform>
        </translation>
    </message>
    <message>
        <location line="-19"/>
        <source>Values TQ58 does not offer</source>
        <translation>Valeurs que TQ58 ne propose pas</translation>
    </message>
    <message numerus="yes">
        <location line="+35"/>
        <source>%n settings hold values TQ58 does not offer; they are kept unless you change them</source>
        <translation>
            <numerusform>%n paramètre a une valeur que TQ58 ne propose pas ; il est conservé tant que vous ne le modifiez pas</numerusform>
            <numerusform>%n paramètres ont des valeurs que TQ58 ne propose pas ; ils sont conservés tant que vous ne les modifiez pas</numerusform>
        </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Value</source>
        <translation>Valeur</translation>
    </message>
</context>
<context>
    <name>tq58::DirectoryEntryPage</name>
    <message>
        <location filename="../src/gui/editor/DirectoryEntryPage.cpp" line="+28"/>
        <source>Enable</source>
        <translation>Activé</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+16"/>
        <source>MMSI</source>
        <translation>MMSI</translation>
    </message>
    <message>
        <location line="-15"/>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>MMSI kind</source>
        <translation>Type de MMSI</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>Group Directory</source>
        <translation>Répertoire de groupe</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Individual Directory</source>
        <translation>Répertoire individuel</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Group Name</source>
        <translation>Nom du groupe</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Station Name</source>
        <translation>Nom de la station</translation>
    </message>
    <message>
        <location line="+24"/>
        <location line="+16"/>
        <source>Data Error!!</source>
        <translation>Erreur de données&#xa0;!!</translation>
    </message>
    <message>
        <location line="-41"/>
        <source>%1  No.%2</source>
        <translation>%1  N°%2</translation>
    </message>
</context>
<context>
    <name>tq58::DirectoryGridPage</name>
    <message>
        <location filename="../src/gui/editor/DirectoryGridPage.cpp" line="+17"/>
        <source>Directory</source>
        <translation>Répertoire</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>Group Directory</source>
        <translation>Répertoire de groupe</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Individual Directory</source>
        <translation>Répertoire individuel</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No.</source>
        <translation>N°</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>GROUP NAME</source>
        <translation>NOM DU GROUPE</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>STATION NAME</source>
        <translation>NOM DE LA STATION</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>MMSI</source>
        <translation>MMSI</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Kind</source>
        <translation>Type</translation>
    </message>
</context>
<context>
    <name>tq58::DirectoryOrderMenu</name>
    <message>
        <location filename="../src/gui/editor/DirectoryOrderMenu.cpp" line="+19"/>
        <source>Delete entry %1?</source>
        <translation>Supprimer l&apos;entrée %1 ?</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete entry %1, %2?</source>
        <translation>Supprimer l&apos;entrée %1, %2 ?</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Move Up</source>
        <translation>Monter</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Move Down</source>
        <translation>Descendre</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Insert Entry</source>
        <translation>Insérer une entrée</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete Entry</source>
        <translation>Supprimer l&apos;entrée</translation>
    </message>
</context>
<context>
    <name>tq58::DscPage</name>
    <message>
        <location filename="../src/gui/editor/DscPage.cpp" line="+144"/>
        <source>Usable DSC CH Group</source>
        <translation>Groupes CH DSC utilisables</translation>
    </message>
    <message>
        <location line="+17"/>
        <location line="+20"/>
        <location line="+1"/>
        <source>User MMSI</source>
        <translation>MMSI utilisateur</translation>
    </message>
    <message>
        <location line="-20"/>
        <source>UserMMSI</source>
        <translation>MMSI utilisateur</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>User MMSI kind</source>
        <translation>Type du MMSI utilisateur</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>User MMSI count</source>
        <translation>Compteur du MMSI utilisateur</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Count</source>
        <translation>Compteur</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Data Error!!</source>
        <translation>Erreur de données&#xa0;!!</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Log Clear</source>
        <translation>Effacer les journaux</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Clear %1</source>
        <translation>Effacer %1</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>DSC Beep Output</source>
        <translation>Bip DSC</translation>
    </message>
    <message>
        <location line="-192"/>
        <source>Distress Cancel Call</source>
        <translation>Annulation détresse</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Standby Mode</source>
        <translation>Mode veille</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>POS Request</source>
        <translation>Demande POS</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+9"/>
        <source>POS Reporting</source>
        <translation>Rapport POS</translation>
    </message>
    <message>
        <location line="-7"/>
        <source>Send Distress Alert</source>
        <translation>Envoi alerte détresse</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Received All Ships</source>
        <translation>Reçu tous navires</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Received Individual</source>
        <translation>Reçu individuel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Received Group</source>
        <translation>Reçu groupe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Received Geographic</source>
        <translation>Reçu géographique</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Received POS Request</source>
        <translation>Reçu demande POS</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Received POS Reporting</source>
        <translation>Reçu rapport POS</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Distress</source>
        <translation>Détresse</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Urgency</source>
        <translation>Urgence</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Safety</source>
        <translation>Sécurité</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Routine</source>
        <translation>Routine</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Individual ACK Menu</source>
        <translation>Menu ACK individuel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Individual ACK Message Menu</source>
        <translation>Menu message ACK individuel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>POS Request ACK Menu</source>
        <translation>Menu ACK demande POS</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>ALL Ships Call</source>
        <translation>Appel TOUS navires</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Group Call</source>
        <translation>Appel de groupe</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Individual Call</source>
        <translation>Appel individuel</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Distress Log</source>
        <translation>Journal détresse</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DSC Log</source>
        <translation>Journal DSC</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>Basic Setup</source>
        <translation>Réglages de base</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Advanced Setup</source>
        <translation>Réglages avancés</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Display Setup</source>
        <translation>Réglages affichage</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>%1 power</source>
        <translation>%1 puissance</translation>
    </message>
    <message>
        <location line="+118"/>
        <source>%1 %2</source>
        <comment>a call and its priority</comment>
        <translation>%1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>tq58::EditorFrame</name>
    <message>
        <location filename="../src/gui/editor/EditorFrame.cpp" line="-20"/>
        <source>Navigation</source>
        <translation>Navigation</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Page</source>
        <translation>Page</translation>
    </message>
</context>
<context>
    <name>tq58::GeneralPage</name>
    <message>
        <location filename="../src/gui/editor/GeneralPage.cpp" line="+17"/>
        <source>TQ58 logo</source>
        <translation>Logo TQ58</translation>
    </message>
</context>
<context>
    <name>tq58::GridEditing</name>
    <message>
        <location filename="../src/gui/editor/GridEditing.cpp" line="+154"/>
        <location line="+6"/>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>Replace %n filled entries?</source>
        <translation>
            <numerusform>Remplacer %n entrée remplie ?</numerusform>
            <numerusform>Remplacer %n entrées remplies ?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>Replace %n filled channels?</source>
        <translation>
            <numerusform>Remplacer %n canal rempli ?</numerusform>
            <numerusform>Remplacer %n canaux remplis ?</numerusform>
        </translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Data Error!!</source>
        <translation>Erreur de données&#xa0;!!</translation>
    </message>
</context>
<context>
    <name>tq58::HelpWindow</name>
    <message>
        <location filename="../src/gui/help/HelpWindow.cpp" line="+22"/>
        <source>TQ58 Help</source>
        <translation>Aide de TQ58</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Help text</source>
        <translation>Texte d&apos;aide</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Back</source>
        <translation>&amp;Précédent</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Forward</source>
        <translation>Sui&amp;vant</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
</context>
<context>
    <name>tq58::HexDumpView</name>
    <message>
        <location filename="../src/gui/debug/HexDumpView.cpp" line="+11"/>
        <source>Memory image in hexadecimal</source>
        <translation>Image mémoire en hexadécimal</translation>
    </message>
</context>
<context>
    <name>tq58::MainWindow</name>
    <message>
        <location filename="../src/gui/MainWindow.cpp" line="+85"/>
        <source>Hexdump</source>
        <translation>Vue hexadécimale</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Keyboard hint</source>
        <translation>Aide clavier</translation>
    </message>
    <message>
        <location filename="../src/gui/MainWindowCommands.cpp" line="+158"/>
        <source>This file is for the %1; TQ58 is set to the %2.</source>
        <translation>Ce fichier est pour la %1&#xa0;; TQ58 est réglé sur la %2.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Switch to the %1 and open it?</source>
        <translation>Passer à la %1 et l&apos;ouvrir&#xa0;?</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>This installation does not offer the %1.</source>
        <translation>Cette installation ne propose pas la %1.</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>This radio is an %1; TQ58 is set to the %2.</source>
        <translation>Cette radio est une %1&#xa0;; TQ58 est réglé sur la %2.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Switch to the %1 and read it again?</source>
        <translation>Passer à la %1 et la relire&#xa0;?</translation>
    </message>
    <message>
        <location filename="../src/gui/MainWindowExchange.cpp" line="+35"/>
        <source>Export %1</source>
        <translation>Exporter %1</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>1 row exported to %1</source>
        <translation>1 ligne exportée vers %1</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n rows exported to %1</source>
        <translation>
            <numerusform>%n ligne exportée vers %1</numerusform>
            <numerusform>%n lignes exportées vers %1</numerusform>
        </translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+17"/>
        <source>Import CSV</source>
        <translation>Importer un CSV</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>1 row imported from %1</source>
        <translation>1 ligne importée depuis %1</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n rows imported from %1</source>
        <translation>
            <numerusform>%n ligne importée depuis %1</numerusform>
            <numerusform>%n lignes importées depuis %1</numerusform>
        </translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Compare with</source>
        <translation>Comparer avec</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>This data</source>
        <translation>Ces données</translation>
    </message>
    <message>
        <location filename="../src/gui/MainWindowFiles.cpp" line="+64"/>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>%1

The name of this file is not UTF-8 text, so TQ58 cannot open it. Rename the file, then open it again.</source>
        <translation>%1

Le nom de ce fichier n&apos;est pas un texte UTF-8 ; TQ58 ne peut donc pas l&apos;ouvrir. Renommez le fichier, puis ouvrez-le à nouveau.</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>%1

This file no longer exists. It has been removed from the list of recent files.</source>
        <translation>%1

Ce fichier n&apos;existe plus. Il a été retiré de la liste des fichiers récents.</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Save As</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Load Image</source>
        <translation>Charger une image</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Open Backup</source>
        <translation>Ouvrir une sauvegarde</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>Save Image</source>
        <translation>Enregistrer l&apos;image</translation>
    </message>
    <message>
        <location filename="../src/gui/MainWindowFind.cpp" line="+21"/>
        <source>Find</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Find (Ctrl+F)</source>
        <translation>Rechercher (Ctrl+F)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Find a channel number, a channel or entry name, or an MMSI</source>
        <translation>Rechercher un n° de canal, un nom de canal ou d&apos;entrée, ou un MMSI</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>&amp;Find...</source>
        <translation>Re&amp;chercher...</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Find &amp;Next</source>
        <translation>Rechercher le &amp;suivant</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Find &amp;Previous</source>
        <translation>Rechercher le &amp;précédent</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Nothing found for &quot;%1&quot;</source>
        <translation>Aucun résultat pour «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Find went on from the top of the tree</source>
        <translation>La recherche a repris au début de l&apos;arborescence</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Find went on from the bottom of the tree</source>
        <translation>La recherche a repris à la fin de l&apos;arborescence</translation>
    </message>
    <message>
        <location filename="../src/gui/MainWindowUndo.cpp" line="+19"/>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Undo %1</source>
        <translation>&amp;Annuler %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>&amp;Redo %1</source>
        <translation>&amp;Rétablir %1</translation>
    </message>
    <message>
        <location filename="../src/gui/MainWindow.cpp" line="+16"/>
        <source>Unknown model!!</source>
        <translation>Modèle inconnu&#xa0;!!</translation>
    </message>
    <message>
        <location line="+217"/>
        <source>QYL data has changed.<byte value="xd"/>
Do you want to save changes?</source>
        <translation>Les données QYL ont changé.<byte value="xd"/>
Voulez-vous enregistrer les modifications ?</translation>
    </message>
    <message>
        <location filename="../src/gui/MainWindowCommands.cpp" line="-38"/>
        <source>ModelType Error !!</source>
        <translation>Erreur de type de modèle&#xa0;!!</translation>
    </message>
    <message>
        <location line="+74"/>
        <source>Do you want to change to %1?</source>
        <translation>Voulez-vous passer à %1&#xa0;?</translation>
    </message>
    <message>
        <location filename="../src/gui/MainWindowExchange.cpp" line="-89"/>
        <location line="+24"/>
        <source>csv files</source>
        <translation>Fichiers CSV</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>dat and hex files</source>
        <translation>Fichiers DAT et HEX</translation>
    </message>
    <message>
        <location filename="../src/gui/MainWindowFiles.cpp" line="-175"/>
        <location line="+91"/>
        <source>dat files</source>
        <translation>Fichiers DAT</translation>
    </message>
    <message>
        <location line="+41"/>
        <location line="+43"/>
        <source>hex files</source>
        <translation>Fichiers HEX</translation>
    </message>
    <message numerus="yes">
        <location line="-12"/>
        <source>%n settings hold values TQ58 does not offer; they are kept unless you change them</source>
        <translation>
            <numerusform>%n paramètre a une valeur que TQ58 ne propose pas ; il est conservé tant que vous ne le modifiez pas</numerusform>
            <numerusform>%n paramètres ont des valeurs que TQ58 ne propose pas ; ils sont conservés tant que vous ne les modifiez pas</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../src/gui/MainWindowSafety.cpp" line="+72"/>
        <source>Correct the User MMSI under DSC Setup, or leave it empty. Nothing was sent to the radio.</source>
        <translation>Corrigez le MMSI utilisateur dans Réglages DSC, ou laissez-le vide. Rien n&apos;a été envoyé à la radio.</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>It cannot be programmed into a radio as it is: correct it under DSC Setup, or leave it empty.</source>
        <translation>Il ne peut pas être programmé tel quel dans une radio : corrigez-le dans Réglages DSC, ou laissez-le vide.</translation>
    </message>
</context>
<context>
    <name>tq58::MmsiConfirmDialog</name>
    <message>
        <location filename="../src/gui/transfer/MmsiConfirmDialog.cpp" line="+31"/>
        <source>Explanation</source>
        <translation>Explication</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>User MMSI, once more</source>
        <translation>MMSI utilisateur, une seconde fois</translation>
    </message>
</context>
<context>
    <name>tq58::PortDevicesDialog</name>
    <message>
        <location filename="../src/gui/PortDevicesDialog.cpp" line="+62"/>
        <source>Port devices</source>
        <translation>Périphériques des ports</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Options &gt; SerialPort chooses a port number; here you choose the device each number opens. Pick a serial device found on this computer or type the path of another one.</source>
        <translation>Options &gt; Port série choisit un numéro de port&#xa0;; ici, vous choisissez le périphérique ouvert par chaque numéro. Choisissez un périphérique série trouvé sur cet ordinateur ou saisissez le chemin d&apos;un autre.</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>&amp;Refresh</source>
        <translation>&amp;Actualiser</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Refresh the device list</source>
        <translation>Actualiser la liste des périphériques</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>COM&amp;%1:</source>
        <translation>COM&amp;%1&#xa0;:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Device of COM%1</source>
        <translation>Périphérique de COM%1</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>No serial device found: plug in the cable and press Refresh.</source>
        <translation>Aucun périphérique série&#xa0;: branchez le câble et cliquez sur Actualiser.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Serial devices found: %1.</source>
        <translation>Périphériques série trouvés&#xa0;: %1.</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>serial device</source>
        <translation>périphérique série</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>the usual device, %1</source>
        <translation>le périphérique habituel, %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>present, not a listed serial device</source>
        <translation>présent, mais pas un périphérique série listé</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>not present now</source>
        <translation>absent actuellement</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>COM%1 device: %2</source>
        <translation>Périphérique COM%1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>tq58::ReportWindow</name>
    <message>
        <location filename="../src/gui/report/ReportWindow.cpp" line="+47"/>
        <source>Settings Report</source>
        <translation>Rapport des réglages</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Save As...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Exit</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Report text</source>
        <translation>Texte du rapport</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Now, making text image. Please wait...</source>
        <translation>Création du texte en cours. Veuillez patienter...</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+2"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+50"/>
        <source>Save As</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Text files(*.txt);;All files(*.*)</source>
        <translation>Fichiers texte (*.txt);;Tous les fichiers (*.*)</translation>
    </message>
</context>
<context>
    <name>tq58::RowFlagMenu</name>
    <message>
        <location filename="../src/gui/editor/RowFlagMenu.cpp" line="+31"/>
        <source>On</source>
        <translation>Activé</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Off</source>
        <translation>Désactivé</translation>
    </message>
    <message numerus="yes">
        <location line="+43"/>
        <source>%n row(s) skipped: the channel does not allow %1 %2.</source>
        <translation>
            <numerusform>%n ligne ignorée&#xa0;: le canal n&apos;autorise pas %1 %2.</numerusform>
            <numerusform>%n lignes ignorées&#xa0;: le canal n&apos;autorise pas %1 %2.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>on</source>
        <translation>oui</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>off</source>
        <translation>non</translation>
    </message>
    <message>
        <location line="-44"/>
        <source>%1 %2</source>
        <comment>a flag, then On or Off</comment>
        <translation>%1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>tq58::TabbedPage</name>
    <message>
        <location filename="../src/gui/editor/TabbedPage.cpp" line="+12"/>
        <source>%1 tabs</source>
        <translation>Onglets %1</translation>
    </message>
</context>
<context>
    <name>tq58::TransferDialog</name>
    <message>
        <location filename="../src/gui/transfer/TransferDialog.cpp" line="+70"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Instructions</source>
        <translation>Instructions</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Link status</source>
        <translation>État de la liaison</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Verify after programming</source>
        <translation>&amp;Vérifier après programmation</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Verify after programming</source>
        <translation>Vérifier après programmation</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Progress</source>
        <translation>Progression</translation>
    </message>
    <message>
        <location line="+63"/>
        <source>Unable to display Help Contents. There is no Help associated with this project.</source>
        <translation>Impossible d&apos;afficher le sommaire de l&apos;aide. Aucune aide n&apos;est associée à ce projet.</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>Connecting to the cable…</source>
        <translation>Connexion au câble…</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Waiting for the radio (%1 of %2)…</source>
        <translation>Attente de la radio (%1 sur %2)…</translation>
    </message>
</context>
<context>
    <name>tq58::TransferPicture</name>
    <message>
        <location filename="../src/gui/transfer/TransferPicture.cpp" line="+44"/>
        <source>Picture: %1</source>
        <translation>Image&#xa0;: %1</translation>
    </message>
    <message>
        <location line="-27"/>
        <source>PC</source>
        <translation>PC</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>QYL cable</source>
        <translation>Câble QYL</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
</context>
<context>
    <name>tq58::UsablePage</name>
    <message>
        <location filename="../src/gui/editor/UsablePage.cpp" line="+27"/>
        <source>Usable Channel Groups</source>
        <translation>Groupes de canaux utilisables</translation>
    </message>
    <message>
        <location line="+35"/>
        <source>Status Name</source>
        <translation>Nom d&apos;état</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>TX TOT</source>
        <translation>TOT TX</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Priority CH</source>
        <translation>CH prioritaire</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Expansion Channel Groups</source>
        <translation>Groupes de canaux d&apos;extension</translation>
    </message>
    <message>
        <location line="-38"/>
        <source>%1 status name</source>
        <translation>%1 nom d&apos;état</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 TX TOT</source>
        <translation>%1 TOT TX</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 priority channel</source>
        <translation>%1 canal prioritaire</translation>
    </message>
</context>
<context>
    <name>tq58::WeatherPage</name>
    <message>
        <location filename="../src/gui/editor/WeatherPage.cpp" line="+54"/>
        <source>%1 Enable</source>
        <translation>%1 activé</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 Scan</source>
        <translation>%1 scan</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>%1 CH Name</source>
        <translation>%1 nom CH</translation>
    </message>
    <message>
        <location line="-27"/>
        <source>Enable</source>
        <translation>Activé</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Scan</source>
        <translation>Scan</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>CH Name</source>
        <translation>Nom CH</translation>
    </message>
</context>
</TS>
