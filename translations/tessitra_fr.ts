<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>BackUpController</name>
    <message>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>%1: File not found.</source>
        <translation>%1&#xa0;: fichier introuvable.</translation>
    </message>
    <message>
        <source>%1 is cut short or damaged.</source>
        <translation>%1 est incomplet ou endommagé.</translation>
    </message>
    <message>
        <source>%1 is not a back-up file.</source>
        <translation>%1 n&apos;est pas un fichier de sauvegarde.</translation>
    </message>
    <message>
        <source>Open Back-Up</source>
        <translation>Ouvrir une sauvegarde</translation>
    </message>
    <message>
        <source>not compared</source>
        <translation>non comparé</translation>
    </message>
    <message>
        <source>same</source>
        <translation>identique</translation>
    </message>
    <message>
        <source>other settings</source>
        <translation>autres réglages</translation>
    </message>
    <message>
        <source>renamed</source>
        <translation>renommé</translation>
    </message>
    <message>
        <source>changed</source>
        <translation>autre contenu</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>absent</translation>
    </message>
    <message>
        <source>Compared with %1, taken %2</source>
        <translation>Comparaison avec %1 (sauvegarde du %2)</translation>
    </message>
    <message>
        <source>Compared with the unit, settings included.</source>
        <translation>Comparaison avec l&apos;appareil, réglages compris.</translation>
    </message>
    <message>
        <source>same name</source>
        <translation>même nom</translation>
    </message>
    <message>
        <source>Compared with the unit by names and set lists; Compare settings reads its presets once.</source>
        <translation>Comparaison avec l&apos;appareil par noms et setlists&#xa0;; «&#xa0;Comparer les réglages&#xa0;» lit une fois ses presets.</translation>
    </message>
    <message>
        <source>Not compared: the unit connected is of another model.</source>
        <translation>Pas de comparaison&#xa0;: l&apos;appareil branché est d&apos;un autre modèle.</translation>
    </message>
    <message>
        <source>Not compared: no unit is connected.</source>
        <translation>Pas de comparaison&#xa0;: aucun appareil n&apos;est branché.</translation>
    </message>
    <message>
        <source>Compare Settings</source>
        <translation>Comparer les réglages</translation>
    </message>
    <message>
        <source>Reading the presets of the unit...</source>
        <translation>Lecture des presets de l&apos;appareil...</translation>
    </message>
    <message>
        <source>Compare With</source>
        <translation>Comparer avec</translation>
    </message>
    <message>
        <source>BACKUP(*.%1)</source>
        <translation>Sauvegarde (*.%1)</translation>
    </message>
    <message>
        <source>%1 and %2 are back-ups of different models.</source>
        <translation>%1 et %2 sont des sauvegardes de modèles différents.</translation>
    </message>
    <message>
        <source>the favourites</source>
        <translation>les favoris</translation>
    </message>
    <message>
        <source>set list %1</source>
        <translation>la setlist %1</translation>
    </message>
    <message>
        <source>the system parameters</source>
        <translation>les paramètres système</translation>
    </message>
    <message>
        <source>Restore Selected</source>
        <translation>Restaurer la sélection</translation>
    </message>
    <message>
        <source>What the unit holds in %1 will be replaced by what %2 holds there; everything else stays as it is.</source>
        <translation>Pour %1, le contenu de l&apos;appareil sera remplacé par celui de %2&#xa0;; tout le reste restera tel quel.</translation>
    </message>
    <message>
        <source>Do you want to put them back?</source>
        <translation>Voulez-vous les remettre dans l&apos;appareil&#xa0;?</translation>
    </message>
    <message>
        <source>Restoring...</source>
        <translation>Restauration...</translation>
    </message>
    <message>
        <source>Load Presets</source>
        <translation>Charger des presets</translation>
    </message>
    <message>
        <source>%1 is not a back-up of the unit connected&apos;s model. Nothing was changed.</source>
        <translation>%1 n&apos;est pas une sauvegarde du modèle de l&apos;appareil branché. Rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>Do you want to overwrite the presets?</source>
        <translation>Voulez-vous écraser les presets&#xa0;?</translation>
    </message>
    <message>
        <source>Do you want to overwrite the presets &lt;b&gt;%1&lt;/b&gt; with &lt;b&gt;%2&lt;/b&gt; from &lt;b&gt;%3&lt;/b&gt;?</source>
        <translation>Voulez-vous remplacer les presets &lt;b&gt;%1&lt;/b&gt; par &lt;b&gt;%2&lt;/b&gt; de &lt;b&gt;%3&lt;/b&gt;&#xa0;?</translation>
    </message>
    <message>
        <source>Load Preset</source>
        <translation>Charger un preset</translation>
    </message>
    <message>
        <source>Loading presets.</source>
        <translation>Chargement des presets.</translation>
    </message>
</context>
<context>
    <name>BackUpView</name>
    <message>
        <source>Favorites</source>
        <translation>Favoris</translation>
    </message>
    <message>
        <source>Set List %1</source>
        <translation>Setlist %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Close the back-up beside the unit</source>
        <translation>Fermer la sauvegarde affichée à côté de l&apos;appareil</translation>
    </message>
    <message>
        <source>Compare settings</source>
        <translation>Comparer les réglages</translation>
    </message>
    <message>
        <source>Read the presets of the unit once to compare their settings too</source>
        <translation>Lire une fois les presets de l&apos;appareil pour comparer aussi leurs réglages</translation>
    </message>
    <message>
        <source>Compare with...</source>
        <translation>Comparer avec...</translation>
    </message>
    <message>
        <source>Compare with another back-up instead of the unit</source>
        <translation>Comparer avec une autre sauvegarde au lieu de l&apos;appareil</translation>
    </message>
    <message>
        <source>Compare with the unit</source>
        <translation>Comparer avec l&apos;appareil</translation>
    </message>
    <message>
        <source>Compare with the unit again</source>
        <translation>Comparer de nouveau avec l&apos;appareil</translation>
    </message>
    <message>
        <source>Only differences</source>
        <translation>Différences seulement</translation>
    </message>
    <message>
        <source>Show only the entries that differ</source>
        <translation>N&apos;afficher que les éléments qui diffèrent</translation>
    </message>
    <message>
        <source>Back-up entries</source>
        <translation>Éléments de la sauvegarde</translation>
    </message>
    <message>
        <source>Drag presets onto the user presets to put them back</source>
        <translation>Faites glisser des presets sur les presets utilisateur pour les remettre dans l&apos;appareil</translation>
    </message>
    <message>
        <source>Entry</source>
        <translation>Élément</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Drag presets onto the user presets to put them back.</source>
        <translation>Faites glisser des presets sur les presets utilisateur pour les remettre dans l&apos;appareil.</translation>
    </message>
    <message>
        <source>Restore selected...</source>
        <translation>Restaurer la sélection...</translation>
    </message>
    <message>
        <source>Put back the chosen presets, set lists or system parameters</source>
        <translation>Remettre les presets, setlists ou paramètres système choisis</translation>
    </message>
    <message>
        <source>Taken %1</source>
        <translation>Sauvegarde du %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>not in this back-up</source>
        <translation>pas dans cette sauvegarde</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vide</translation>
    </message>
    <message>
        <source>System parameters: held</source>
        <translation>Paramètres système&#xa0;: inclus</translation>
    </message>
    <message>
        <source>System parameters: not in this back-up</source>
        <translation>Paramètres système&#xa0;: pas dans cette sauvegarde</translation>
    </message>
    <message>
        <source>not compared</source>
        <translation>non comparé</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
</context>
<context>
    <name>CFirmwareUpdate</name>
    <message>
        <source>Check the internet connection, or try again later.</source>
        <translation>Vérifiez la connexion Internet ou réessayez plus tard.</translation>
    </message>
</context>
<context>
    <name>CSettingsDlg</name>
    <message>
        <source>System</source>
        <translation>Système</translation>
    </message>
    <message>
        <source>Firmware Update</source>
        <translation>Mise à jour du firmware</translation>
    </message>
    <message>
        <source>Checking for firmware update...</source>
        <translation>Recherche d&apos;une mise à jour du firmware...</translation>
    </message>
    <message>
        <source>Application Update</source>
        <translation>Mise à jour de l&apos;application</translation>
    </message>
    <message>
        <source>Checking for application update...</source>
        <translation>Recherche d&apos;une mise à jour de l&apos;application...</translation>
    </message>
    <message>
        <source>Factory Preset Update</source>
        <translation>Mise à jour des presets d&apos;usine</translation>
    </message>
    <message>
        <source>All %1 factory presets of the unit will be replaced by those in FactoryPresets.dat.</source>
        <translation>Les %1 presets d&apos;usine de l&apos;appareil seront tous remplacés par ceux de FactoryPresets.dat.</translation>
    </message>
    <message>
        <source>Do you want to rewrite the factory presets?</source>
        <translation>Voulez-vous réécrire les presets d&apos;usine&#xa0;?</translation>
    </message>
    <message>
        <source>Updating factory presets...</source>
        <translation>Mise à jour des presets d&apos;usine...</translation>
    </message>
    <message>
        <source>Preferences were modified?</source>
        <translation>Conserver les préférences modifiées&#xa0;?</translation>
    </message>
    <message>
        <source>Changes were made to the Preferences. Do you wish to keep these changes?</source>
        <translation>Des modifications ont été apportées aux préférences. Voulez-vous les conserver&#xa0;?</translation>
    </message>
</context>
<context>
    <name>CSplashScreen</name>
    <message>
        <source>About Tessitra Stage Librarian</source>
        <translation>À propos de Tessitra Stage Librarian</translation>
    </message>
</context>
<context>
    <name>ContentWidget</name>
    <message>
        <source>Load Presets</source>
        <translation>Charger des presets</translation>
    </message>
    <message>
        <source>Do you want to overwrite the presets?</source>
        <translation>Voulez-vous écraser les presets&#xa0;?</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation>Favoris</translation>
    </message>
    <message>
        <source>Set List A</source>
        <translation>Setlist A</translation>
    </message>
    <message>
        <source>Set List B</source>
        <translation>Setlist B</translation>
    </message>
    <message>
        <source>Set List C</source>
        <translation>Setlist C</translation>
    </message>
    <message>
        <source>Set List D</source>
        <translation>Setlist D</translation>
    </message>
    <message>
        <source>%1: empty</source>
        <translation>%1&#xa0;: vide</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>User preset</source>
        <translation>Preset utilisateur</translation>
    </message>
    <message>
        <source>Factory preset</source>
        <translation>Preset d&apos;usine</translation>
    </message>
    <message>
        <source>Slot of %1</source>
        <translation>Emplacement dans %1</translation>
    </message>
    <message>
        <source>Save to computer...</source>
        <translation>Enregistrer sur l&apos;ordinateur...</translation>
    </message>
    <message>
        <source>Load preset...</source>
        <translation>Charger un preset...</translation>
    </message>
    <message>
        <source>Rename...</source>
        <translation>Renommer...</translation>
    </message>
    <message>
        <source>Remove...</source>
        <translation>Retirer...</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Paste...</source>
        <translation>Coller...</translation>
    </message>
    <message>
        <source>Rename %1</source>
        <translation>Renommer %1</translation>
    </message>
    <message>
        <source>Preset Name</source>
        <translation>Nom du preset</translation>
    </message>
    <message>
        <source>%1: at most %2 characters</source>
        <translation>%1&#xa0;: %2 caractères au maximum</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renommer</translation>
    </message>
    <message>
        <source>Renaming Preset...</source>
        <translation>Renommage du preset...</translation>
    </message>
    <message>
        <source>Do you want to remove selected preset(s) from set list?</source>
        <translation>Voulez-vous retirer les presets sélectionnés de la setlist&#xa0;?</translation>
    </message>
    <message>
        <source>Editing Set List</source>
        <translation>Modification de la setlist</translation>
    </message>
    <message>
        <source>Removing preset(s) from Set List.</source>
        <translation>Retrait des presets de la setlist.</translation>
    </message>
    <message>
        <source>Choose Directory</source>
        <translation>Choisir un dossier</translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation>Confirmation</translation>
    </message>
    <message>
        <source>%1 file already exists, do you want to overwrite?</source>
        <translation>Le fichier %1 existe déjà. Voulez-vous l&apos;écraser&#xa0;?</translation>
    </message>
    <message>
        <source>Save Presets</source>
        <translation>Enregistrer les presets</translation>
    </message>
    <message>
        <source>Savings presets...</source>
        <translation>Enregistrement des presets...</translation>
    </message>
    <message>
        <source>Preset(*%1)</source>
        <comment>file type in the file dialog</comment>
        <translation>Preset (*%1)</translation>
    </message>
    <message>
        <source>Select Files</source>
        <translation>Sélectionner des fichiers</translation>
    </message>
    <message>
        <source>Do you want to overwrite the presets &lt;b&gt;%1&lt;/b&gt;
with
&lt;b&gt;%2&lt;/b&gt;?</source>
        <translation>Voulez-vous remplacer les presets &lt;b&gt;%1&lt;/b&gt;
par
&lt;b&gt;%2&lt;/b&gt;&#xa0;?</translation>
    </message>
    <message>
        <source>Load Preset</source>
        <translation>Charger un preset</translation>
    </message>
    <message>
        <source>Loading presets.</source>
        <translation>Chargement des presets.</translation>
    </message>
    <message>
        <source>Do you want to overwrite the presets &lt;b&gt;%1&lt;/b&gt; with &lt;b&gt;%2&lt;/b&gt;?</source>
        <translation>Voulez-vous remplacer les presets &lt;b&gt;%1&lt;/b&gt; par &lt;b&gt;%2&lt;/b&gt;&#xa0;?</translation>
    </message>
    <message>
        <source>Do you want to edit &lt;b&gt;%1&lt;/b&gt;?</source>
        <translation>Voulez-vous modifier &lt;b&gt;%1&lt;/b&gt;&#xa0;?</translation>
    </message>
    <message>
        <source>Adding preset(s) to Set List.</source>
        <translation>Ajout des presets à la setlist.</translation>
    </message>
    <message>
        <source>Find in back-ups...</source>
        <translation>Chercher dans les sauvegardes...</translation>
    </message>
    <message>
        <source>%1: at most %2 characters; the unit cannot store %3</source>
        <translation>%1&#xa0;: %2 caractères au maximum&#xa0;; l&apos;appareil ne peut pas mémoriser %3</translation>
    </message>
</context>
<context>
    <name>DeviceManagerThread</name>
    <message>
        <source>%1, serial number %2</source>
        <translation>%1, numéro de série %2</translation>
    </message>
    <message>
        <source>Stopped. The lists show only what was read until then.</source>
        <translation>Arrêté. Les listes n&apos;affichent que ce qui a été lu jusque-là.</translation>
    </message>
    <message>
        <source>Stopped. %1 of %2 presets were saved to files.</source>
        <translation>Arrêté. %1 presets sur %2 ont été enregistrés dans des fichiers.</translation>
    </message>
    <message>
        <source>Stopped. The back-up file was not written.</source>
        <translation>Arrêté. Le fichier de sauvegarde n&apos;a pas été écrit.</translation>
    </message>
    <message>
        <source>Reading the presets, set lists and system parameters of the unit...</source>
        <translation>Lecture des presets, des setlists et des paramètres système de l&apos;appareil...</translation>
    </message>
    <message>
        <source>Stopped. Nothing was compared.</source>
        <translation>Arrêté. Rien n&apos;a été comparé.</translation>
    </message>
    <message>
        <source>Failed to read the presets of the unit.</source>
        <translation>Impossible de lire les presets de l&apos;appareil.</translation>
    </message>
</context>
<context>
    <name>FindBackUpsDlg</name>
    <message>
        <source>Find in Back-ups</source>
        <translation>Chercher dans les sauvegardes</translation>
    </message>
    <message>
        <source>Looking through the back-ups and preset files...</source>
        <translation>Recherche dans les sauvegardes et les fichiers de presets...</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Slot</source>
        <translation>Emplacement</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>Back-ups and preset files found</source>
        <translation>Sauvegardes et fichiers de presets trouvés</translation>
    </message>
    <message>
        <source>Enter opens the file at the chosen preset</source>
        <translation>Entrée ouvre le fichier sur le preset choisi</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Open the chosen file at its preset</source>
        <translation>Ouvrir le fichier choisi sur son preset</translation>
    </message>
    <message>
        <source>No back-up or preset file holds a preset named like &quot;%1&quot; or with the same settings.</source>
        <translation>Aucune sauvegarde ni aucun fichier de presets ne contient de preset dont le nom inclut «&#xa0;%1&#xa0;» ou aux mêmes réglages.</translation>
    </message>
    <message>
        <source>No back-up or preset file holds a preset named like &quot;%1&quot;.</source>
        <translation>Aucune sauvegarde ni aucun fichier de presets ne contient de preset dont le nom inclut «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>No back-up or preset file holds a preset with the same settings.</source>
        <translation>Aucune sauvegarde ni aucun fichier de presets ne contient de preset aux mêmes réglages.</translation>
    </message>
    <message>
        <source>Presets named like &quot;%1&quot; or with the same settings, newest file first:</source>
        <translation>Presets dont le nom inclut «&#xa0;%1&#xa0;» ou aux mêmes réglages, du fichier le plus récent au plus ancien&#xa0;:</translation>
    </message>
    <message>
        <source>Presets named like &quot;%1&quot;, newest file first:</source>
        <translation>Presets dont le nom inclut «&#xa0;%1&#xa0;», du fichier le plus récent au plus ancien&#xa0;:</translation>
    </message>
    <message>
        <source>Presets with the same settings, newest file first:</source>
        <translation>Presets aux mêmes réglages, du fichier le plus récent au plus ancien&#xa0;:</translation>
    </message>
    <message>
        <source>preset file</source>
        <translation>fichier de preset</translation>
    </message>
    <message>
        <source>same settings</source>
        <translation>mêmes réglages</translation>
    </message>
    <message>
        <source>no name</source>
        <translation>sans nom</translation>
    </message>
    <message>
        <source>other settings</source>
        <translation>autres réglages</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Tessitra Stage Librarian</source>
        <translation>Tessitra Stage Librarian</translation>
    </message>
    <message>
        <source>Failed to load initialization file. Reinstall the application to fix the problem.</source>
        <translation>Impossible de charger le fichier d&apos;initialisation. Réinstallez l&apos;application pour résoudre le problème.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Loading...&lt;/b&gt;</source>
        <translation>&lt;b&gt;Chargement...&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Connecté</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Déconnecté</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>&amp;About Tessitra Stage Librarian</source>
        <translation>À &amp;propos de Tessitra Stage Librarian</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Undo: %1</source>
        <translation>Annuler&#xa0;: %1</translation>
    </message>
    <message>
        <source>Redo: %1</source>
        <translation>Rétablir&#xa0;: %1</translation>
    </message>
    <message>
        <source>The manual could not be opened. It is at %1.</source>
        <translation>Impossible d&apos;ouvrir le manuel. Il se trouve ici&#xa0;: %1.</translation>
    </message>
    <message>
        <source>%1, build %2</source>
        <translation>%1, build %2</translation>
    </message>
    <message>
        <source>Choose Folder</source>
        <translation>Choisir un dossier</translation>
    </message>
    <message>
        <source>Reading presets...</source>
        <translation>Lecture des presets...</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualiser</translation>
    </message>
    <message>
        <source>Unplug one of them; the librarian connects to the one left.</source>
        <translation>Débranchez-en un&#xa0;: le logiciel se connectera à celui qui reste.</translation>
    </message>
    <message>
        <source>Multiple Device</source>
        <translation>Plusieurs appareils</translation>
    </message>
    <message>
        <source>Exit App</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>The unit is in use by the tessitra command line; the librarian connects when it is free.</source>
        <translation>L&apos;appareil est utilisé par la ligne de commande tessitra&#xa0;; le logiciel s&apos;y connectera dès qu&apos;il sera libre.</translation>
    </message>
    <message>
        <source>Connect your Stage Ariette or Stage Cadenzo over USB</source>
        <translation>Branchez votre Stage Ariette ou Stage Cadenzo en USB</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Enregistrer le fichier</translation>
    </message>
    <message>
        <source>BACKUP(*%1)</source>
        <comment>file type in the file dialog</comment>
        <translation>Sauvegarde (*%1)</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 existe déjà.
Voulez-vous le remplacer&#xa0;?</translation>
    </message>
    <message>
        <source>Back Up</source>
        <translation>Sauvegarder</translation>
    </message>
    <message>
        <source>Backing up presets...</source>
        <translation>Sauvegarde des presets...</translation>
    </message>
    <message>
        <source>Select File</source>
        <translation>Sélectionner un fichier</translation>
    </message>
    <message>
        <source>All %1 user presets, the favourites, set lists A to D and the system parameters of the unit will be replaced by those in %2.</source>
        <translation>Les %1 presets utilisateur, les favoris, les setlists A à D et les paramètres système de l&apos;appareil seront tous remplacés par ceux de %2.</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurer</translation>
    </message>
    <message>
        <source>Do you want to restore this back-up?</source>
        <translation>Voulez-vous restaurer cette sauvegarde&#xa0;?</translation>
    </message>
    <message>
        <source>Restoring presets...</source>
        <translation>Restauration des presets...</translation>
    </message>
    <message>
        <source>Binary(*.bin *.ldr)</source>
        <comment>file type in the file dialog</comment>
        <translation>Binaire (*.bin *.ldr)</translation>
    </message>
    <message>
        <source>The DSP firmware of the unit (%1) will be replaced by the one in %2.</source>
        <translation>Le firmware DSP de l&apos;appareil (%1) sera remplacé par celui de %2.</translation>
    </message>
    <message>
        <source>The microcontroller firmware of the unit (%1) will be replaced by the one in %2.</source>
        <translation>Le firmware du microcontrôleur de l&apos;appareil (%1) sera remplacé par celui de %2.</translation>
    </message>
    <message>
        <source>Firmware Update</source>
        <translation>Mise à jour du firmware</translation>
    </message>
    <message>
        <source>Do you want to write this firmware?</source>
        <translation>Voulez-vous écrire ce firmware dans l&apos;appareil&#xa0;?</translation>
    </message>
    <message>
        <source>Updating firmware...</source>
        <translation>Mise à jour du firmware...</translation>
    </message>
    <message>
        <source>Application Update</source>
        <translation>Mise à jour de l&apos;application</translation>
    </message>
    <message>
        <source>New application version available.
Current: %1
New: %2
Do you want to download and update?</source>
        <translation>Une nouvelle version de l&apos;application est disponible.
Actuelle&#xa0;: %1
Nouvelle&#xa0;: %2
Voulez-vous la télécharger et l&apos;installer&#xa0;?</translation>
    </message>
    <message>
        <source>Downloading application...</source>
        <translation>Téléchargement de l&apos;application...</translation>
    </message>
    <message>
        <source>New firmware version available.
Current: %1, %2
New: %3, %4
Do you want to update?</source>
        <translation>Une nouvelle version du firmware est disponible.
Actuelle&#xa0;: %1, %2
Nouvelle&#xa0;: %3, %4
Voulez-vous mettre à jour&#xa0;?</translation>
    </message>
    <message>
        <source>New firmware version available.
Current: %1
New: %2
Do you want to update?</source>
        <translation>Une nouvelle version du firmware est disponible.
Actuelle&#xa0;: %1
Nouvelle&#xa0;: %2
Voulez-vous mettre à jour&#xa0;?</translation>
    </message>
    <message>
        <source>Downloading firmware...</source>
        <translation>Téléchargement du firmware...</translation>
    </message>
    <message>
        <source>Do you want to close the application and install the new version?</source>
        <translation>Voulez-vous fermer l&apos;application et installer la nouvelle version&#xa0;?</translation>
    </message>
    <message>
        <source>Factory Presets</source>
        <translation>Presets d&apos;usine</translation>
    </message>
    <message>
        <source>The unit answers again. Its factory bank from before the rewrite that stopped is kept in &quot;%1&quot;.</source>
        <translation>L&apos;appareil répond de nouveau. Sa banque d&apos;usine d&apos;avant la réécriture interrompue est conservée dans «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Put the factory presets from before back?</source>
        <translation>Remettre les presets d&apos;usine d&apos;avant&#xa0;?</translation>
    </message>
    <message>
        <source>updating factory presets...</source>
        <translation>Mise à jour des presets d&apos;usine...</translation>
    </message>
    <message>
        <source>Restore the state from before?</source>
        <translation>Revenir à l&apos;état d&apos;avant&#xa0;?</translation>
    </message>
    <message>
        <source>The unit answers again. The automatic back-up &quot;%1&quot; holds its user presets, set lists and system parameters from before the operation that stopped.</source>
        <translation>L&apos;appareil répond de nouveau. La sauvegarde automatique «&#xa0;%1&#xa0;» contient ses presets utilisateur, ses setlists et ses paramètres système d&apos;avant l&apos;opération interrompue.</translation>
    </message>
    <message>
        <source>Put back the state from before</source>
        <translation>Revenir à l&apos;état d&apos;avant</translation>
    </message>
    <message>
        <source>Restore the back-up again</source>
        <translation>Relancer la restauration</translation>
    </message>
    <message>
        <source>The unit holds a mix of old and restored presets until it is restored or refreshed.</source>
        <translation>Tant qu&apos;il n&apos;est pas restauré ou actualisé, l&apos;appareil contient un mélange d&apos;anciens presets et de presets restaurés.</translation>
    </message>
    <message>
        <source>Nothing was undone.</source>
        <translation>Rien n&apos;a été annulé.</translation>
    </message>
    <message>
        <source>Writing the overwritten presets back...</source>
        <translation>Réécriture des presets écrasés...</translation>
    </message>
    <message>
        <source>Network Authentication</source>
        <translation>Authentification réseau</translation>
    </message>
    <message>
        <source>&lt;b&gt;%1&lt;/b&gt; asks for &quot;%2&quot;.</source>
        <translation>&lt;b&gt;%1&lt;/b&gt; demande une identification pour «&#xa0;%2&#xa0;».</translation>
    </message>
    <message>
        <source>&lt;b&gt;User Name:&lt;/b&gt;</source>
        <translation>&lt;b&gt;Nom d&apos;utilisateur&#xa0;:&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Password:&lt;/b&gt;</source>
        <translation>&lt;b&gt;Mot de passe&#xa0;:&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Proxy %1</source>
        <translation>Proxy %1</translation>
    </message>
    <message>
        <source>The server</source>
        <translation>Le serveur</translation>
    </message>
    <message>
        <source>%1
EMPTY</source>
        <comment>an empty set-list slot: A01</comment>
        <translation>%1
VIDE</translation>
    </message>
    <message>
        <source>Check for firmware update...</source>
        <translation>Rechercher une mise à jour du firmware...</translation>
    </message>
    <message>
        <source>Checking for updates...</source>
        <translation>Recherche de mises à jour...</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Refresh presets&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Actualiser les presets&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Update Firmware&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Mettre à jour le firmware&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Settings&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Préférences&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Help&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Aide&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Browse&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Parcourir&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Up one folder&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Dossier parent&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>File System</source>
        <translation>Fichiers</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation>Favoris</translation>
    </message>
    <message>
        <source>Set List A</source>
        <translation>Setlist A</translation>
    </message>
    <message>
        <source>Set List B</source>
        <translation>Setlist B</translation>
    </message>
    <message>
        <source>Set List C</source>
        <translation>Setlist C</translation>
    </message>
    <message>
        <source>Set List D</source>
        <translation>Setlist D</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Back up user presets from device.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Sauvegarder les presets utilisateur de l&apos;appareil.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Button will back up all presets from device to a file in computer.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Ce bouton sauvegarde tous les presets de l&apos;appareil dans un fichier sur l&apos;ordinateur.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;&lt;Back Up</source>
        <translation>&lt;&lt;Sauvegarder</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Load user presets to device from a backed up file.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Charger dans l&apos;appareil les presets utilisateur d&apos;un fichier de sauvegarde.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Button will load the presets from a backed up file.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Ce bouton charge les presets d&apos;un fichier de sauvegarde.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Restore&gt;&gt;</source>
        <translation>Restaurer&gt;&gt;</translation>
    </message>
    <message>
        <source>Read the presets from the unit again</source>
        <translation>Relire les presets de l&apos;appareil</translation>
    </message>
    <message>
        <source>Update Firmware</source>
        <translation>Mettre à jour le firmware</translation>
    </message>
    <message>
        <source>Write new firmware from a file into the unit</source>
        <translation>Écrire dans l&apos;appareil un nouveau firmware à partir d&apos;un fichier</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Préférences</translation>
    </message>
    <message>
        <source>Update checks, safety and language</source>
        <translation>Mises à jour, sécurité et langue</translation>
    </message>
    <message>
        <source>The manual and the About box</source>
        <translation>Le manuel et la fenêtre À propos</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Parcourir</translation>
    </message>
    <message>
        <source>Choose the folder the file list shows</source>
        <translation>Choisir le dossier affiché dans la liste des fichiers</translation>
    </message>
    <message>
        <source>Up one folder</source>
        <translation>Dossier parent</translation>
    </message>
    <message>
        <source>Show the folder above this one</source>
        <translation>Afficher le dossier parent</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Dossier</translation>
    </message>
    <message>
        <source>Type a folder and press Enter to show it</source>
        <translation>Saisissez un dossier et appuyez sur Entrée pour l&apos;afficher</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Dossiers</translation>
    </message>
    <message>
        <source>Preset files</source>
        <translation>Fichiers de presets</translation>
    </message>
    <message>
        <source>Drag preset files onto the user presets to load them</source>
        <translation>Faites glisser des fichiers de presets sur les presets utilisateur pour les charger</translation>
    </message>
    <message>
        <source>User presets</source>
        <translation>Presets utilisateur</translation>
    </message>
    <message>
        <source>Factory presets</source>
        <translation>Presets d&apos;usine</translation>
    </message>
    <message>
        <source>Back up the presets, set lists and settings of the unit to a file</source>
        <translation>Sauvegarder les presets, les setlists et les réglages de l&apos;appareil dans un fichier</translation>
    </message>
    <message>
        <source>Load a back-up file into the unit</source>
        <translation>Charger un fichier de sauvegarde dans l&apos;appareil</translation>
    </message>
    <message>
        <source>Overwrite it anyway?</source>
        <translation>Écraser quand même&#xa0;?</translation>
    </message>
    <message>
        <source>Open beside the unit</source>
        <translation>Ouvrir à côté de l&apos;appareil</translation>
    </message>
    <message>
        <source>Find a preset by name (Ctrl+F)</source>
        <translation>Chercher un preset par nom (Ctrl+F)</translation>
    </message>
    <message>
        <source>Find presets</source>
        <translation>Chercher des presets</translation>
    </message>
    <message>
        <source>Shows only the user and factory presets whose name holds this text</source>
        <translation>N&apos;affiche que les presets utilisateur et d&apos;usine dont le nom contient ce texte</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Show every preset again</source>
        <translation>Afficher de nouveau tous les presets</translation>
    </message>
    <message>
        <source>Find in back-ups...</source>
        <translation>Chercher dans les sauvegardes...</translation>
    </message>
    <message>
        <source>Find in back-ups</source>
        <translation>Chercher dans les sauvegardes</translation>
    </message>
    <message>
        <source>List the back-ups and preset files that hold a preset of this name</source>
        <translation>Lister les sauvegardes et les fichiers de presets qui contiennent un preset de ce nom</translation>
    </message>
    <message>
        <source>Factory Presets</source>
        <comment>tab</comment>
        <translation>Presets d&apos;usine</translation>
    </message>
</context>
<context>
    <name>OperationPlan</name>
    <message>
        <source>Reading the factory presets %1 of %2</source>
        <translation>Lecture des presets d&apos;usine&#xa0;: %1 sur %2</translation>
    </message>
    <message>
        <source>Reading the factory presets</source>
        <translation>Lecture des presets d&apos;usine</translation>
    </message>
    <message>
        <source>Reading preset names %1 of %2</source>
        <translation>Lecture des noms de presets&#xa0;: %1 sur %2</translation>
    </message>
    <message>
        <source>Reading preset names</source>
        <translation>Lecture des noms de presets</translation>
    </message>
    <message>
        <source>Reading set lists</source>
        <translation>Lecture des setlists</translation>
    </message>
    <message>
        <source>Backing up the unit first: preset %1 of %2</source>
        <translation>Sauvegarde préalable de l&apos;appareil&#xa0;: preset %1 sur %2</translation>
    </message>
    <message>
        <source>Backing up the unit first</source>
        <translation>Sauvegarde préalable de l&apos;appareil</translation>
    </message>
    <message>
        <source>Keeping the factory presets first: %1 of %2</source>
        <translation>Conservation préalable des presets d&apos;usine&#xa0;: %1 sur %2</translation>
    </message>
    <message>
        <source>Keeping the factory presets first</source>
        <translation>Conservation préalable des presets d&apos;usine</translation>
    </message>
    <message>
        <source>Backing up presets %1 of %2</source>
        <translation>Sauvegarde des presets&#xa0;: %1 sur %2</translation>
    </message>
    <message>
        <source>Backing up set lists and system parameters</source>
        <translation>Sauvegarde des setlists et des paramètres système</translation>
    </message>
    <message>
        <source>Saving presets %1 of %2</source>
        <translation>Enregistrement des presets&#xa0;: %1 sur %2</translation>
    </message>
    <message>
        <source>Saving presets</source>
        <translation>Enregistrement des presets</translation>
    </message>
    <message>
        <source>Keeping what is overwritten, for Undo</source>
        <translation>Conservation des données écrasées, pour pouvoir annuler</translation>
    </message>
    <message>
        <source>Writing presets %1 of %2</source>
        <translation>Écriture des presets&#xa0;: %1 sur %2</translation>
    </message>
    <message>
        <source>Writing presets</source>
        <translation>Écriture des presets</translation>
    </message>
    <message>
        <source>The unit is storing the presets</source>
        <translation>L&apos;appareil mémorise les presets</translation>
    </message>
    <message>
        <source>Checking what was written %1 of %2</source>
        <translation>Vérification de l&apos;écriture&#xa0;: %1 sur %2</translation>
    </message>
    <message>
        <source>Checking what was written</source>
        <translation>Vérification de l&apos;écriture</translation>
    </message>
    <message>
        <source>Writing set lists %1 of %2</source>
        <translation>Écriture des setlists&#xa0;: %1 sur %2</translation>
    </message>
    <message>
        <source>Writing set lists</source>
        <translation>Écriture des setlists</translation>
    </message>
    <message>
        <source>Writing the system parameters</source>
        <translation>Écriture des paramètres système</translation>
    </message>
    <message>
        <source>Writing the firmware</source>
        <translation>Écriture du firmware</translation>
    </message>
    <message>
        <source>almost done</source>
        <translation>presque terminé</translation>
    </message>
    <message>
        <source>about %1 s left</source>
        <extracomment>Time left of an operation, in seconds</extracomment>
        <translation>il reste environ %1 s</translation>
    </message>
    <message>
        <source>about %1 min left</source>
        <extracomment>Time left of an operation, in minutes</extracomment>
        <translation>il reste environ %1 min</translation>
    </message>
    <message>
        <source>about %1 min %2 s left</source>
        <extracomment>Time left of an operation: %1 minutes and %2 seconds</extracomment>
        <translation>il reste environ %1 min %2 s</translation>
    </message>
    <message>
        <source>This takes a few seconds.</source>
        <translation>Cela prend quelques secondes.</translation>
    </message>
    <message>
        <source>This takes about %1 seconds.</source>
        <translation>Cela prend environ %1 secondes.</translation>
    </message>
    <message>
        <source>This takes about a minute.</source>
        <translation>Cela prend environ une minute.</translation>
    </message>
    <message>
        <source>This takes about %1 minutes.</source>
        <translation>Cela prend environ %1 minutes.</translation>
    </message>
    <message>
        <source>Reading presets %1 of %2</source>
        <translation>Lecture des presets&#xa0;: %1 sur %2</translation>
    </message>
    <message>
        <source>Reading set lists and system parameters</source>
        <translation>Lecture des setlists et des paramètres système</translation>
    </message>
</context>
<context>
    <name>PresetButton</name>
    <message>
        <source>Select preset(s) to drag</source>
        <translation>Sélectionnez des presets à faire glisser</translation>
    </message>
</context>
<context>
    <name>ProgressDialog</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>This cannot be stopped safely.</source>
        <translation>Cette opération ne peut pas être arrêtée sans risque.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Stopping...</source>
        <translation>Arrêt en cours...</translation>
    </message>
</context>
<context>
    <name>RestoreSelectedDlg</name>
    <message>
        <source>Restore Selected</source>
        <translation>Restaurer la sélection</translation>
    </message>
    <message>
        <source>Choose what to put back from %1. Only what is chosen is written; everything else on the unit stays as it is.</source>
        <translation>Choisissez ce qu&apos;il faut remettre depuis %1. Seuls les éléments choisis sont écrits&#xa0;; tout le reste de l&apos;appareil reste tel quel.</translation>
    </message>
    <message>
        <source>&amp;User presets</source>
        <translation>&amp;Presets utilisateur</translation>
    </message>
    <message>
        <source>User presets to put back</source>
        <translation>Presets utilisateur à remettre</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation>Favoris</translation>
    </message>
    <message>
        <source>Set List %1</source>
        <translation>Setlist %1</translation>
    </message>
    <message>
        <source>System parameters (the unit is backed up first)</source>
        <translation>Paramètres système (l&apos;appareil est d&apos;abord sauvegardé)</translation>
    </message>
    <message>
        <source>System parameters (not in this back-up)</source>
        <translation>Paramètres système (pas dans cette sauvegarde)</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurer</translation>
    </message>
</context>
<context>
    <name>settingsDialog</name>
    <message>
        <source>Settings</source>
        <translation>Préférences</translation>
    </message>
    <message>
        <source>Interface</source>
        <translation>Interface</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Langue&#xa0;:</translation>
    </message>
    <message>
        <source>Select language</source>
        <translation>Choisir la langue</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>The language changes when the librarian starts again.</source>
        <translation>La nouvelle langue s&apos;appliquera au prochain démarrage du logiciel.</translation>
    </message>
    <message>
        <source>Check for Firmware Update</source>
        <translation>Rechercher les mises à jour du firmware</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Jamais</translation>
    </message>
    <message>
        <source>On Startup</source>
        <translation>Au démarrage</translation>
    </message>
    <message>
        <source>Once a Month</source>
        <translation>Une fois par mois</translation>
    </message>
    <message>
        <source>Ask the update server for newer firmware for the unit now</source>
        <translation>Demander maintenant au serveur de mises à jour s&apos;il existe un firmware plus récent pour l&apos;appareil</translation>
    </message>
    <message>
        <source>Check Now</source>
        <translation>Vérifier</translation>
    </message>
    <message>
        <source>Check for Application Update</source>
        <translation>Rechercher les mises à jour de l&apos;application</translation>
    </message>
    <message>
        <source>Ask the update server for a newer librarian now</source>
        <translation>Demander maintenant au serveur de mises à jour s&apos;il existe une version plus récente du logiciel</translation>
    </message>
    <message>
        <source>Update Factory Presets</source>
        <translation>Mise à jour des presets d&apos;usine</translation>
    </message>
    <message>
        <source>Rewrite the factory presets of the unit from FactoryPresets.dat</source>
        <translation>Réécrire les presets d&apos;usine de l&apos;appareil à partir de FactoryPresets.dat</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Mettre à jour</translation>
    </message>
    <message>
        <source>Safety</source>
        <translation>Sécurité</translation>
    </message>
    <message>
        <source>Back up the unit before a restore, a factory rewrite or a firmware update</source>
        <translation>Sauvegarder l&apos;appareil avant une restauration, une réécriture des presets d&apos;usine ou une mise à jour du firmware</translation>
    </message>
    <message>
        <source>Verify every write by reading it back</source>
        <translation>Vérifier chaque écriture en la relisant</translation>
    </message>
    <message>
        <source>Reset To Defaults</source>
        <translation>Valeurs par défaut</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>tessitra</name>
    <message>
        <source>Failed to communicate with device.</source>
        <translation>Échec de la communication avec l&apos;appareil.</translation>
    </message>
    <message>
        <source>Device disconnected!</source>
        <translation>Appareil déconnecté&#xa0;!</translation>
    </message>
    <message>
        <source>Multiple devices detected. Please connect only one device.</source>
        <translation>Plusieurs appareils détectés. Ne branchez qu&apos;un seul appareil.</translation>
    </message>
    <message>
        <source>Success.</source>
        <translation>Opération réussie.</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Opération réussie</translation>
    </message>
    <message>
        <source>Operation failed.</source>
        <translation>Échec de l&apos;opération.</translation>
    </message>
    <message>
        <source>Reading factory presets...</source>
        <translation>Lecture des presets d&apos;usine...</translation>
    </message>
    <message>
        <source>Failed to read factory presets.</source>
        <translation>Impossible de lire les presets d&apos;usine.</translation>
    </message>
    <message>
        <source>Reading user presets...</source>
        <translation>Lecture des presets utilisateur...</translation>
    </message>
    <message>
        <source>Reading set lists...</source>
        <translation>Lecture des setlists...</translation>
    </message>
    <message>
        <source>Failed to read set lists.</source>
        <translation>Impossible de lire les setlists.</translation>
    </message>
    <message>
        <source>Saving &lt;b&gt;%1&lt;/b&gt;.</source>
        <translation>Enregistrement de &lt;b&gt;%1&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>&lt;b&gt;%1&lt;/b&gt; was not saved; any earlier file of that name is unchanged.</source>
        <translation>&lt;b&gt;%1&lt;/b&gt; n&apos;a pas été enregistré&#xa0;; un fichier existant du même nom reste inchangé.</translation>
    </message>
    <message>
        <source>The file could not be written: the folder may be read-only or the disk full.</source>
        <translation>Impossible d&apos;écrire le fichier&#xa0;: le dossier est peut-être en lecture seule ou le disque plein.</translation>
    </message>
    <message>
        <source>Any earlier back-up of that name is unchanged.</source>
        <translation>Une sauvegarde existante du même nom reste inchangée.</translation>
    </message>
    <message>
        <source>The factory preset file was damaged or made for another unit. It was set aside as %1 and is made again from the unit.</source>
        <translation>Le fichier des presets d&apos;usine était endommagé ou destiné à un autre appareil. Il a été mis de côté sous le nom %1 et va être recréé à partir de l&apos;appareil.</translation>
    </message>
    <message>
        <source>File not found.</source>
        <translation>Fichier introuvable.</translation>
    </message>
    <message>
        <source>File version mismatch.</source>
        <translation>Version de fichier incompatible.</translation>
    </message>
    <message>
        <source>File data corrupted.</source>
        <translation>Données du fichier corrompues.</translation>
    </message>
    <message>
        <source>File(s) not found.</source>
        <translation>Fichiers introuvables.</translation>
    </message>
    <message>
        <source>File(s) version mismatch.</source>
        <translation>Version des fichiers incompatible.</translation>
    </message>
    <message>
        <source>File(s) data corrupted.</source>
        <translation>Données des fichiers corrompues.</translation>
    </message>
    <message>
        <source>Failed to load preset. Unknown error.</source>
        <translation>Impossible de charger le preset. Erreur inconnue.</translation>
    </message>
    <message>
        <source>Failed to load preset.</source>
        <translation>Impossible de charger le preset.</translation>
    </message>
    <message>
        <source>Backing up user presets and set lists...</source>
        <translation>Sauvegarde des presets utilisateur et des setlists...</translation>
    </message>
    <message>
        <source>Succesfully backed up user presets and set lists.</source>
        <translation>Presets utilisateur et setlists sauvegardés.</translation>
    </message>
    <message>
        <source>Failed to backed up user presets and set lists.</source>
        <translation>Échec de la sauvegarde des presets utilisateur et des setlists.</translation>
    </message>
    <message>
        <source>Restoring user presets and set lists...</source>
        <translation>Restauration des presets utilisateur et des setlists...</translation>
    </message>
    <message>
        <source>Succesfully restored user presets and set lists.</source>
        <translation>Presets utilisateur et setlists restaurés.</translation>
    </message>
    <message>
        <source>Couldn&apos;t find a back up file.
Please back up first.</source>
        <translation>Aucun fichier de sauvegarde trouvé.
Faites d&apos;abord une sauvegarde.</translation>
    </message>
    <message>
        <source>Failed to restore user presets and set lists.</source>
        <translation>Échec de la restauration des presets utilisateur et des setlists.</translation>
    </message>
    <message>
        <source>Not allowed!</source>
        <translation>Opération non autorisée&#xa0;!</translation>
    </message>
    <message>
        <source>updating factory presets...</source>
        <translation>Mise à jour des presets d&apos;usine...</translation>
    </message>
    <message>
        <source>Please perform a factory reset of your device.</source>
        <translation>Veuillez rétablir les réglages d&apos;usine de votre appareil.</translation>
    </message>
    <message>
        <source>Factory preset file not found. Please re-install the application.</source>
        <translation>Fichier des presets d&apos;usine introuvable. Veuillez réinstaller l&apos;application.</translation>
    </message>
    <message>
        <source>Failed to update factory presets. Please try again.</source>
        <translation>Échec de la mise à jour des presets d&apos;usine. Veuillez réessayer.</translation>
    </message>
    <message>
        <source>Updating DSP Firmware.
Do not disconnect or power down the device.</source>
        <translation>Mise à jour du firmware DSP.
Ne débranchez pas et n&apos;éteignez pas l&apos;appareil.</translation>
    </message>
    <message>
        <source>Do not power down the device until the Tessitra display says:
&quot;Done - Cycle power now&quot;.</source>
        <translation>N&apos;éteignez pas l&apos;appareil avant que l&apos;écran du Tessitra affiche&#xa0;:
«&#xa0;Done - Cycle power now&#xa0;».</translation>
    </message>
    <message>
        <source>Failed to update DSP Firmware.</source>
        <translation>Échec de la mise à jour du firmware DSP.</translation>
    </message>
    <message>
        <source>Updating uP Firmware.
Do not disconnect or power down the device.</source>
        <extracomment>uP: the unit&apos;s microcontroller</extracomment>
        <translation>Mise à jour du firmware du microcontrôleur.
Ne débranchez pas et n&apos;éteignez pas l&apos;appareil.</translation>
    </message>
    <message>
        <source>Do not power down the device until  the Tessitra display says:
&quot;Done - Cycle power now&quot;.</source>
        <translation>N&apos;éteignez pas l&apos;appareil avant que l&apos;écran du Tessitra affiche&#xa0;:
«&#xa0;Done - Cycle power now&#xa0;».</translation>
    </message>
    <message>
        <source>Failed to update uP Firmware.</source>
        <translation>Échec de la mise à jour du firmware du microcontrôleur.</translation>
    </message>
    <message>
        <source>The unit was found but this user may not open it. Install the udev rule that comes with the librarian (the tessitra-stage-librarian package installs it), or reconnect the unit if the rule is already installed.</source>
        <translation>L&apos;appareil a été trouvé, mais cet utilisateur n&apos;a pas le droit de l&apos;ouvrir. Installez la règle udev fournie avec le logiciel (le paquet tessitra-stage-librarian l&apos;installe) ou, si la règle est déjà installée, rebranchez l&apos;appareil.</translation>
    </message>
    <message>
        <source>The unit was found but another program is using it. Close that program, or reconnect the unit.</source>
        <translation>L&apos;appareil a été trouvé, mais un autre programme l&apos;utilise. Fermez ce programme ou rebranchez l&apos;appareil.</translation>
    </message>
    <message>
        <source>The unit was found but went away before it could be opened. Check the USB cable and reconnect the unit.</source>
        <translation>L&apos;appareil a été trouvé, mais il a disparu avant de pouvoir être ouvert. Vérifiez le câble USB et rebranchez l&apos;appareil.</translation>
    </message>
    <message>
        <source>The unit was found but could not be opened. Reconnect the unit; the log file ui.log names the cause.</source>
        <translation>L&apos;appareil a été trouvé, mais n&apos;a pas pu être ouvert. Rebranchez l&apos;appareil&#xa0;; le fichier journal ui.log en indique la cause.</translation>
    </message>
    <message>
        <source>Nothing was written; the unit holds its presets as before.</source>
        <translation>Rien n&apos;a été écrit&#xa0;; l&apos;appareil a conservé ses presets.</translation>
    </message>
    <message>
        <source>%1 of %2 user presets were written; the unit holds a mix of old and restored presets. Restore the back-up again.</source>
        <translation>%1 presets utilisateur sur %2 ont été écrits&#xa0;; l&apos;appareil contient un mélange d&apos;anciens presets et de presets restaurés. Relancez la restauration de la sauvegarde.</translation>
    </message>
    <message>
        <source>The unit was disconnected during the restore.</source>
        <translation>L&apos;appareil a été déconnecté pendant la restauration.</translation>
    </message>
    <message>
        <source>%1 of %2 user presets were written, so it holds a mix of old and restored presets.</source>
        <translation>%1 presets utilisateur sur %2 ont été écrits&#xa0;: il contient donc un mélange d&apos;anciens presets et de presets restaurés.</translation>
    </message>
    <message>
        <source>All %1 user presets were written, but not all set lists.</source>
        <translation>Les %1 presets utilisateur ont tous été écrits, mais pas toutes les setlists.</translation>
    </message>
    <message>
        <source>All %1 user presets and the set lists were written, but not the system parameters.</source>
        <translation>Les %1 presets utilisateur et les setlists ont été écrits, mais pas les paramètres système.</translation>
    </message>
    <message>
        <source>When the unit answers again, the librarian offers to put back the state from before the restore.</source>
        <translation>Quand l&apos;appareil répondra de nouveau, le logiciel proposera de revenir à l&apos;état d&apos;avant la restauration.</translation>
    </message>
    <message>
        <source>Connect it again and restore the back-up again.</source>
        <translation>Rebranchez-le et relancez la restauration de la sauvegarde.</translation>
    </message>
    <message>
        <source>%1 is not a %2 back-up. Nothing was changed.</source>
        <translation>%1 n&apos;est pas une sauvegarde de %2. Rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>%1 is cut short or damaged. Nothing was changed.</source>
        <translation>%1 est incomplet ou endommagé. Rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>%1 of %2 factory presets were written; the unit holds a mix of old and new factory presets.</source>
        <translation>%1 presets d&apos;usine sur %2 ont été écrits&#xa0;; l&apos;appareil contient un mélange d&apos;anciens et de nouveaux presets d&apos;usine.</translation>
    </message>
    <message>
        <source>%1 of %2 bytes of the firmware image were sent; the unit holds no complete new firmware. Keep it powered, connect it again and update the firmware again.</source>
        <translation>%1 octets sur %2 de l&apos;image du firmware ont été envoyés&#xa0;; l&apos;appareil ne contient pas de nouveau firmware complet. Laissez-le allumé, rebranchez-le et relancez la mise à jour du firmware.</translation>
    </message>
    <message>
        <source>Backing up the unit first...</source>
        <translation>Sauvegarde préalable de l&apos;appareil...</translation>
    </message>
    <message>
        <source>Nothing was changed: the unit could not be backed up first.</source>
        <translation>Rien n&apos;a été modifié&#xa0;: la sauvegarde préalable de l&apos;appareil a échoué.</translation>
    </message>
    <message>
        <source>Verification failed: %1 differs from what was written.</source>
        <extracomment>%1 names one slot, set list or the system parameters</extracomment>
        <translation>Échec de la vérification&#xa0;: %1 ne correspond pas à ce qui a été écrit.</translation>
    </message>
    <message>
        <source>Verification failed: %1 differ from what was written.</source>
        <extracomment>%1 names several slots or set lists: &quot;U05 and U07&quot;</extracomment>
        <translation>Échec de la vérification&#xa0;: %1 ne correspondent pas à ce qui a été écrit.</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>The last two names of a list: &quot;U01, U02 and U03&quot;</extracomment>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>the favourites</source>
        <translation>les favoris</translation>
    </message>
    <message>
        <source>set list %1</source>
        <extracomment>%1 is the letter of the set list: A, B, C or D</extracomment>
        <translation>la setlist %1</translation>
    </message>
    <message>
        <source>the system parameters</source>
        <translation>les paramètres système</translation>
    </message>
    <message>
        <source>There is nothing to undo.</source>
        <translation>Il n&apos;y a rien à annuler.</translation>
    </message>
    <message>
        <source>There is nothing to redo.</source>
        <translation>Il n&apos;y a rien à rétablir.</translation>
    </message>
    <message>
        <source>%1 no longer holds what &quot;%2&quot; wrote: it was changed since (on the unit, by another program or by a restore). Nothing was changed.</source>
        <extracomment>%1 is one slot or set list, %3 the step being undone (&quot;copy F03 to U90&quot;)</extracomment>
        <translation>%1 ne contient plus ce que «&#xa0;%2&#xa0;» y a écrit&#xa0;: son contenu a changé depuis (sur l&apos;appareil, par un autre programme ou par une restauration). Rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>%1 no longer hold what &quot;%2&quot; wrote: it was changed since (on the unit, by another program or by a restore). Nothing was changed.</source>
        <extracomment>%1 names several slots or set lists, %2 the step being undone (&quot;copy F03 to U90&quot;)</extracomment>
        <translation>%1 ne contiennent plus ce que «&#xa0;%2&#xa0;» y a écrit&#xa0;: leur contenu a changé depuis (sur l&apos;appareil, par un autre programme ou par une restauration). Rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>%1 no longer holds what was there before &quot;%2&quot;: it was changed since. Nothing was changed.</source>
        <translation>%1 ne contient plus ce qui s&apos;y trouvait avant «&#xa0;%2&#xa0;»&#xa0;: son contenu a changé depuis. Rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>%1 no longer hold what was there before &quot;%2&quot;: it was changed since. Nothing was changed.</source>
        <translation>%1 ne contiennent plus ce qui s&apos;y trouvait avant «&#xa0;%2&#xa0;»&#xa0;: leur contenu a changé depuis. Rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>Undone: %1.</source>
        <translation>Annulé&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Redone: %1.</source>
        <translation>Rétabli&#xa0;: %1.</translation>
    </message>
    <message>
        <source>copy %1 to %2</source>
        <extracomment>The steps the undo history names, after &quot;Undo: &quot; in the Edit menu: copy F03 to U90</extracomment>
        <translation>copier %1 vers %2</translation>
    </message>
    <message>
        <source>load %1 to %2</source>
        <translation>charger %1 dans %2</translation>
    </message>
    <message>
        <source>rename %1 to %2</source>
        <translation>renommer %1 en %2</translation>
    </message>
    <message>
        <source>change %1</source>
        <translation>modifier %1</translation>
    </message>
    <message>
        <source>restore %1 from %2</source>
        <translation>restaurer %1 depuis %2</translation>
    </message>
    <message>
        <source>Restoring %1 from %2...</source>
        <translation>Restauration depuis %2&#xa0;: %1...</translation>
    </message>
    <message>
        <source>Restored %1 from %2.</source>
        <translation>Restauration depuis %2 terminée&#xa0;: %1.</translation>
    </message>
    <message>
        <source>%1 does not hold %2. Nothing was changed.</source>
        <translation>%1 ne contient pas %2. Rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>The undo journal was damaged or made for another unit and was not used. It was set aside as %1.</source>
        <translation>Le journal d&apos;annulation était endommagé ou destiné à un autre appareil&#xa0;; il n&apos;a pas été utilisé. Il a été mis de côté sous le nom %1.</translation>
    </message>
    <message>
        <source>The undo journal cannot be read and was not used.</source>
        <translation>Le journal d&apos;annulation est illisible&#xa0;; il n&apos;a pas été utilisé.</translation>
    </message>
    <message>
        <source>Could not parse the update info in server.</source>
        <translation>Impossible de lire les informations de mise à jour du serveur.</translation>
    </message>
    <message>
        <source>No update found.</source>
        <translation>Aucune mise à jour trouvée.</translation>
    </message>
    <message>
        <source>Device firmware is up to date.</source>
        <translation>Le firmware de l&apos;appareil est à jour.</translation>
    </message>
    <message>
        <source>Application is up to date.</source>
        <translation>L&apos;application est à jour.</translation>
    </message>
    <message>
        <source>Connection to update server cannot be made.</source>
        <translation>Impossible de se connecter au serveur de mises à jour.</translation>
    </message>
    <message>
        <source>Fimware update not supported for this device.</source>
        <translation>La mise à jour du firmware n&apos;est pas prise en charge pour cet appareil.</translation>
    </message>
    <message>
        <source>Failed to fetch info from update server!</source>
        <translation>Impossible d&apos;obtenir les informations du serveur de mises à jour&#xa0;!</translation>
    </message>
    <message>
        <source>Download finished.</source>
        <translation>Téléchargement terminé.</translation>
    </message>
    <message>
        <source>Updating firmware...</source>
        <translation>Mise à jour du firmware...</translation>
    </message>
    <message>
        <source>The update info from the server is not signed.</source>
        <translation>Les informations de mise à jour du serveur ne sont pas signées.</translation>
    </message>
    <message>
        <source>The update info from the server failed its signature check.</source>
        <translation>La signature des informations de mise à jour du serveur n&apos;est pas valide.</translation>
    </message>
    <message>
        <source>The update info from the server lacks the size or SHA-256 of an image.</source>
        <translation>Il manque la taille ou le SHA-256 d&apos;une image dans les informations de mise à jour du serveur.</translation>
    </message>
    <message>
        <source>The update server must be reached over https.</source>
        <translation>Le serveur de mises à jour doit être joint en https.</translation>
    </message>
    <message>
        <source>The download does not match the update info from the server. It was deleted.</source>
        <translation>Le téléchargement ne correspond pas aux informations de mise à jour du serveur. Il a été supprimé.</translation>
    </message>
    <message>
        <source>The download could not be saved. Check the free space in the downloads folder.</source>
        <translation>Impossible d&apos;enregistrer le téléchargement. Vérifiez l&apos;espace libre dans le dossier des téléchargements.</translation>
    </message>
    <message>
        <source>This download was not offered by the update server.</source>
        <translation>Ce téléchargement n&apos;a pas été proposé par le serveur de mises à jour.</translation>
    </message>
    <message>
        <source>Nothing was changed.</source>
        <translation>Rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>See &apos;tessitra %1 --help&apos;.</source>
        <translation>Voir «&#xa0;tessitra %1 --help&#xa0;».</translation>
    </message>
    <message>
        <source>See &apos;tessitra --help&apos;.</source>
        <translation>Voir «&#xa0;tessitra --help&#xa0;».</translation>
    </message>
    <message>
        <source>No unit found. Connect the unit and switch it on.</source>
        <translation>Aucun appareil trouvé. Branchez l&apos;appareil et allumez-le.</translation>
    </message>
    <message>
        <source>The Tessitra Stage Librarian window is using the unit. Close it and try again.</source>
        <translation>La fenêtre de Tessitra Stage Librarian utilise l&apos;appareil. Fermez-la et réessayez.</translation>
    </message>
    <message>
        <source>Another tessitra command is using the unit. Wait for it to end and try again.</source>
        <translation>Une autre commande tessitra utilise l&apos;appareil. Attendez qu&apos;elle se termine et réessayez.</translation>
    </message>
    <message>
        <source>%1 changes what the unit holds: give --yes to confirm when not run from a terminal.</source>
        <translation>%1 modifie le contenu de l&apos;appareil&#xa0;: hors d&apos;un terminal, ajoutez --yes pour confirmer.</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>Arrêté.</translation>
    </message>
    <message>
        <source>Stopped. The operation&apos;s last words: %1</source>
        <translation>Arrêté. Dernier message de l&apos;opération&#xa0;: %1</translation>
    </message>
    <message>
        <source>stopping: the operation ends at its next record or packet (Ctrl-C again ends the program at once, leaving the unit as it is then).</source>
        <translation>arrêt&#xa0;: l&apos;opération s&apos;arrête à son prochain bloc ou paquet (un nouveau Ctrl-C termine le programme immédiatement et laisse l&apos;appareil dans l&apos;état où il est alors).</translation>
    </message>
    <message>
        <source>A write to the unit cannot be stopped safely; it will finish first (Ctrl-C again ends the program at once, leaving the unit half written).</source>
        <translation>Une écriture dans l&apos;appareil ne peut pas être arrêtée sans risque&#xa0;; elle va d&apos;abord se terminer (un nouveau Ctrl-C termine le programme immédiatement et laisse l&apos;appareil à moitié écrit).</translation>
    </message>
    <message>
        <source>The unit was backed up before it started; to put it back: tessitra restore &quot;%1&quot;</source>
        <translation>L&apos;appareil a été sauvegardé avant le début&#xa0;; pour revenir en arrière&#xa0;: tessitra restore &quot;%1&quot;</translation>
    </message>
    <message>
        <source>The factory bank was kept before it started; to put it back: tessitra factory-update &quot;%1&quot;</source>
        <translation>La banque d&apos;usine a été conservée avant le début&#xa0;; pour la remettre&#xa0;: tessitra factory-update &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Scripts the preset librarian of a Tessitra Stage Ariette or Stage Cadenzo connected over USB: the same
operations as the Tessitra Stage Librarian window, with the same automatic back-ups and checks.
Slots are written as the window shows them: U01 to U100 (user presets), F01 to F100 (factory presets).

Options:
  --bus DIR   talk to the virtual units plugged into the bus folder DIR (default: $TESSITRA_VIRTUAL_BUS,
              or the real USB units when neither is given)
  --json      print the result as JSON on standard output, and an error as {&quot;error&quot;: ..., &quot;exit&quot;: ...}
  --yes       do what a command would ask to confirm (needed when standard input is not a terminal)
  --help      this text; `tessitra COMMAND --help` describes one command
  --version   the version of tessitra

Commands:
</source>
        <translation>Gère en ligne de commande les presets d&apos;un Tessitra Stage Ariette ou Stage Cadenzo branché en USB&#xa0;: mêmes
opérations que la fenêtre de Tessitra Stage Librarian, avec les mêmes sauvegardes automatiques et contrôles.
Emplacements notés comme dans la fenêtre&#xa0;: U01 à U100 (presets utilisateur), F01 à F100 (presets d&apos;usine).

Options&#xa0;:
  --bus DIR   utiliser les appareils virtuels du dossier de bus DIR (par défaut&#xa0;: $TESSITRA_VIRTUAL_BUS,
              ou les vrais appareils USB si aucun des deux n&apos;est indiqué)
  --json      afficher le résultat en JSON sur la sortie standard, une erreur en {&quot;error&quot;: ..., &quot;exit&quot;: ...}
  --yes       accepter d&apos;avance ce qu&apos;une commande demanderait de confirmer (nécessaire hors d&apos;un terminal)
  --help      ce texte&#xa0;; `tessitra COMMAND --help` décrit une commande
  --version   la version de tessitra

Commandes&#xa0;:
</translation>
    </message>
    <message>
        <source>
Exit codes:
  0  success
  1  the operation failed (for example not allowed on this model, or the update server not reached)
  2  bad usage
  3  no unit connected
  4  several units connected
  5  communication with the unit failed
  6  a file is missing, damaged or made for another model
  7  the unit does not hold what was written to it
  8  refused: not confirmed, or --yes missing without a terminal
  9  the unit is in use by the Tessitra Stage Librarian window or another tessitra
  10  an undo or redo found a slot changed since it was written: nothing was written
  130  stopped by Ctrl-C: a read, back-up or save ends at its next record or packet and says how far it
       got; a write to the unit finishes first and ends with its own code
</source>
        <translation>
Codes de sortie&#xa0;:
  0  succès
  1  l&apos;opération a échoué (par exemple non autorisée sur ce modèle, ou serveur de mises à jour injoignable)
  2  mauvaise utilisation
  3  aucun appareil branché
  4  plusieurs appareils branchés
  5  la communication avec l&apos;appareil a échoué
  6  un fichier est manquant, endommagé ou destiné à un autre modèle
  7  l&apos;appareil ne contient pas ce qui y a été écrit
  8  refusé&#xa0;: non confirmé, ou --yes absent hors d&apos;un terminal
  9  l&apos;appareil est utilisé par la fenêtre de Tessitra Stage Librarian ou par une autre commande tessitra
  10  un emplacement a changé depuis son écriture (annuler ou rétablir)&#xa0;: rien n&apos;a été écrit
  130  arrêté par Ctrl-C&#xa0;: lecture, sauvegarde ou enregistrement s&apos;arrêtent au prochain bloc ou paquet et
       indiquent où ils en sont&#xa0;; une écriture dans l&apos;appareil se termine d&apos;abord, avec son propre code
</translation>
    </message>
    <message>
        <source>Shows model, identity and versions</source>
        <translation>Affiche le modèle, l&apos;identité et les versions</translation>
    </message>
    <message>
        <source>Shows the connected unit: model, identity and versions.</source>
        <translation>Affiche l&apos;appareil branché&#xa0;: modèle, identité et versions.</translation>
    </message>
    <message>
        <source>Lists presets or a set list</source>
        <translation>Liste les presets ou une setlist</translation>
    </message>
    <message>
        <source>Lists the user presets (the default), the factory presets, the favourites or set list A to D.</source>
        <translation>Liste les presets utilisateur (par défaut), les presets d&apos;usine, les favoris ou la setlist A à D.</translation>
    </message>
    <message>
        <source>Backs the unit up into a file</source>
        <translation>Sauvegarde l&apos;appareil dans un fichier</translation>
    </message>
    <message>
        <source>Backs up the user presets, set lists and system parameters into FILE (a .tarb or .tscb file).</source>
        <translation>Sauvegarde les presets utilisateur, les setlists et les paramètres système dans FILE (fichier .tarb ou .tscb).</translation>
    </message>
    <message>
        <source>Puts a back-up, or chosen parts of it, into the unit</source>
        <translation>Remet une sauvegarde, ou une partie choisie, dans l&apos;appareil</translation>
    </message>
    <message>
        <source>Puts a back-up file back into the unit, replacing every user preset, the set lists and the system
parameters. Asks first; an automatic back-up of the unit is taken before it starts.
With --only SLOT... (user slots), --setlists LIST (favourites, A, B, C, D or all, separated by commas)
or --sysparams only those are written, each read back, and can be undone like a load (the system
parameters are not in the undo history: an automatic back-up is taken first for them).</source>
        <translation>Remet un fichier de sauvegarde dans l&apos;appareil, en remplaçant tous les presets utilisateur, les setlists
et les paramètres système. Demande confirmation&#xa0;; une sauvegarde automatique de l&apos;appareil est faite avant.
Avec --only SLOT... (emplacements utilisateur), --setlists LIST (favourites, A, B, C, D ou all, séparés
par des virgules) ou --sysparams, seuls ceux-ci sont écrits, chacun relu, et s&apos;annulent comme un chargement
(les paramètres système, absents de l&apos;historique d&apos;annulation, sont d&apos;abord sauvegardés automatiquement).</translation>
    </message>
    <message>
        <source>Compares the unit or a back-up with a back-up</source>
        <translation>Compare l&apos;appareil ou une sauvegarde avec une sauvegarde</translation>
    </message>
    <message>
        <source>Compares the unit with the back-up FILE (the unit is read as a back-up reads it), or the back-ups FILE
and FILE2 (no unit needed). One line per user slot, set list and the system parameters that
differ, with its mark: settings (same name, other parameters), renamed (other name), changed
(a set list or the system parameters), missing (one side holds none); --all lists the same ones too.
Differences are no failure: the exit code is 0.</source>
        <translation>Compare l&apos;appareil avec la sauvegarde FILE (l&apos;appareil est lu comme pour une sauvegarde), ou les
sauvegardes FILE et FILE2 (sans appareil). Une ligne par emplacement utilisateur, setlist et paramètres
système qui diffèrent, avec sa marque&#xa0;: settings (même nom, autres réglages), renamed (autre nom), changed
(setlist ou paramètres système), missing (absent d&apos;un côté)&#xa0;; --all liste aussi ceux qui sont identiques.
Les différences ne sont pas un échec&#xa0;: le code de sortie est 0.</translation>
    </message>
    <message>
        <source>Finds presets by name in back-ups and files</source>
        <translation>Cherche des presets par nom dans les sauvegardes et les fichiers</translation>
    </message>
    <message>
        <source>Lists every back-up and preset file under FOLDER (default: both models&apos; preset and back-up folders)
that holds a preset whose name contains TEXT, newest file first: file, slot, name. No unit is needed;
exit 1 when no preset matches.</source>
        <translation>Liste les fichiers de sauvegarde et de presets sous FOLDER (par défaut&#xa0;: les dossiers de presets et de
sauvegardes des deux modèles) qui contiennent un preset dont le nom inclut TEXT, du plus récent au plus
ancien&#xa0;: fichier, emplacement, nom. Sans appareil&#xa0;; code de sortie 1 si aucun preset ne correspond.</translation>
    </message>
    <message>
        <source>Saves presets to preset files</source>
        <translation>Enregistre des presets dans des fichiers</translation>
    </message>
    <message>
        <source>Saves presets of the unit to preset files in DIR (default: the current folder; made when missing),
named as the window names them (&quot;U01_Rock Lead.tarp&quot;).</source>
        <translation>Enregistre des presets de l&apos;appareil en fichiers de presets dans DIR (par défaut&#xa0;: le dossier courant,
créé s&apos;il n&apos;existe pas), nommés comme dans la fenêtre («&#xa0;U01_Rock Lead.tarp&#xa0;»).</translation>
    </message>
    <message>
        <source>Loads preset files into user slots</source>
        <translation>Charge des fichiers de presets dans des emplacements utilisateur</translation>
    </message>
    <message>
        <source>Loads preset files into the user slots from SLOT on, one slot per file. Asks before it overwrites.</source>
        <translation>Charge des fichiers de presets dans les emplacements utilisateur à partir de SLOT, un par fichier. Demande avant d&apos;écraser.</translation>
    </message>
    <message>
        <source>Copies a preset onto a user slot</source>
        <translation>Copie un preset dans un emplacement utilisateur</translation>
    </message>
    <message>
        <source>Copies preset FROM onto user slot TO (for example: copy F03 U90). Asks first.</source>
        <translation>Copie le preset FROM dans l&apos;emplacement utilisateur TO (par exemple&#xa0;: copy F03 U90). Demande confirmation.</translation>
    </message>
    <message>
        <source>Renames a user preset</source>
        <translation>Renomme un preset utilisateur</translation>
    </message>
    <message>
        <source>Gives user preset SLOT a new name. Asks first.</source>
        <translation>Donne un nouveau nom au preset utilisateur SLOT. Demande confirmation.</translation>
    </message>
    <message>
        <source>Fills a set list</source>
        <translation>Remplit une setlist</translation>
    </message>
    <message>
        <source>Makes the set list hold exactly the presets given, in order (at most 20); the other slots are emptied.
Asks first.</source>
        <translation>Met dans la setlist exactement les presets indiqués, dans l&apos;ordre (20 au plus)&#xa0;; ses autres emplacements
sont vidés. Demande confirmation.</translation>
    </message>
    <message>
        <source>Undoes the last copy, load, rename or set-list change</source>
        <translation>Annule la dernière modification (copie, chargement, renommage, setlist)</translation>
    </message>
    <message>
        <source>Puts back what the last copy, load, rename or set-list change overwrote, as the window&apos;s Undo does (up to
20 steps back, kept per unit). A slot changed since is left alone: exit 10, or a second question
on a terminal. Asks first.</source>
        <translation>Remet ce qu&apos;a écrasé la dernière modification (copie, chargement, renommage, setlist), comme Annuler dans
la fenêtre (jusqu&apos;à 20 étapes, conservées par appareil). Un emplacement modifié depuis n&apos;est pas touché&#xa0;:
code de sortie 10, ou une seconde question dans un terminal. Demande confirmation.</translation>
    </message>
    <message>
        <source>Writes again what the last undo took away</source>
        <translation>Réécrit ce que la dernière annulation a retiré</translation>
    </message>
    <message>
        <source>Writes again what the last undo took away, while the slots still hold what the undo put there.
Asks first.</source>
        <translation>Réécrit ce que la dernière annulation a retiré, tant que les emplacements contiennent ce qu&apos;elle y a remis.
Demande confirmation.</translation>
    </message>
    <message>
        <source>Rewrites a Cadenzo&apos;s factory presets</source>
        <translation>Réécrit les presets d&apos;usine d&apos;un Cadenzo</translation>
    </message>
    <message>
        <source>Rewrites the factory presets of a Stage Cadenzo from FactoryPresets.dat in its data folder,
or from FILE, a factory bank kept before an earlier rewrite. Asks first.</source>
        <translation>Réécrit les presets d&apos;usine d&apos;un Stage Cadenzo à partir de FactoryPresets.dat dans son dossier de données,
ou de FILE, une banque d&apos;usine conservée avant une réécriture précédente. Demande confirmation.</translation>
    </message>
    <message>
        <source>Writes firmware images into the unit</source>
        <translation>Écrit des images de firmware dans l&apos;appareil</translation>
    </message>
    <message>
        <source>Writes firmware images into the unit: .ldr files are DSP images, .bin files microcontroller images.
Asks first; an automatic back-up of the unit is taken before each image.</source>
        <translation>Écrit des images de firmware dans l&apos;appareil&#xa0;: les .ldr sont des images DSP, les .bin des images du
microcontrôleur. Demande confirmation&#xa0;; une sauvegarde automatique de l&apos;appareil précède chaque image.</translation>
    </message>
    <message>
        <source>Asks for newer firmware</source>
        <translation>Cherche un firmware plus récent</translation>
    </message>
    <message>
        <source>Asks the update server whether newer firmware exists for the unit.</source>
        <translation>Demande au serveur de mises à jour s&apos;il existe un firmware plus récent pour l&apos;appareil.</translation>
    </message>
    <message>
        <source>%1: File not found.</source>
        <translation>%1&#xa0;: fichier introuvable.</translation>
    </message>
    <message>
        <source>%1 is not a back-up file.</source>
        <translation>%1 n&apos;est pas un fichier de sauvegarde.</translation>
    </message>
    <message>
        <source>%1 is cut short or damaged.</source>
        <translation>%1 est incomplet ou endommagé.</translation>
    </message>
    <message>
        <source>%1 is not a user slot of this unit (U01 to U%2)</source>
        <translation>%1 n&apos;est pas un emplacement utilisateur de cet appareil (U01 à U%2)</translation>
    </message>
    <message>
        <source>%1 is not a slot of this unit (U01 to U%2, F01 to F%2)</source>
        <translation>%1 n&apos;est pas un emplacement de cet appareil (U01 à U%2, F01 à F%2)</translation>
    </message>
    <message>
        <source>list takes one of user, factory, favourites, A, B, C, D</source>
        <translation>list attend l&apos;une des valeurs user, factory, favourites, A, B, C, D</translation>
    </message>
    <message>
        <source>backup takes one FILE</source>
        <translation>backup attend un seul FILE</translation>
    </message>
    <message>
        <source>restore takes one FILE</source>
        <translation>restore attend un seul FILE</translation>
    </message>
    <message>
        <source>Restore %1? Every user preset, the set lists and the system parameters of the unit are replaced.</source>
        <translation>Restaurer %1&#xa0;? Tous les presets utilisateur, les setlists et les paramètres système de l&apos;appareil seront remplacés.</translation>
    </message>
    <message>
        <source>--only takes one SLOT or more</source>
        <translation>--only attend un SLOT ou plus</translation>
    </message>
    <message>
        <source>--setlists takes favourites, A, B, C, D or all, separated by commas</source>
        <translation>--setlists attend favourites, A, B, C, D ou all, séparés par des virgules</translation>
    </message>
    <message>
        <source>Put back %1 from %2? The unit&apos;s own are replaced.</source>
        <translation>Remettre %1 depuis %2&#xa0;? Le contenu actuel de l&apos;appareil sera remplacé.</translation>
    </message>
    <message>
        <source>find takes TEXT and, optionally, FOLDER...</source>
        <translation>find attend TEXT et, si besoin, FOLDER...</translation>
    </message>
    <message>
        <source>No preset named like &quot;%1&quot; was found.</source>
        <translation>Aucun preset dont le nom contient «&#xa0;%1&#xa0;» n&apos;a été trouvé.</translation>
    </message>
    <message>
        <source>diff takes FILE (against the unit) or FILE1 FILE2</source>
        <translation>diff attend FILE (comparé à l&apos;appareil) ou FILE1 FILE2</translation>
    </message>
    <message>
        <source>%1 is not a %2 back-up.</source>
        <translation>%1 n&apos;est pas une sauvegarde de %2.</translation>
    </message>
    <message>
        <source>Cannot make a temporary folder.</source>
        <translation>Impossible de créer un dossier temporaire.</translation>
    </message>
    <message>
        <source>%1 and %2 are back-ups of different models.</source>
        <translation>%1 et %2 sont des sauvegardes de modèles différents.</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(aucun)</translation>
    </message>
    <message>
        <source>save takes one SLOT or more</source>
        <translation>save attend un SLOT ou plus</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 n&apos;est pas un dossier</translation>
    </message>
    <message>
        <source>Cannot create the folder %1.</source>
        <translation>Impossible de créer le dossier %1.</translation>
    </message>
    <message>
        <source>load takes one FILE or more and --to SLOT</source>
        <translation>load attend un FILE ou plus et --to SLOT</translation>
    </message>
    <message>
        <source>%1 files from %2 do not fit in the user slots</source>
        <translation>%1 fichiers à partir de %2 ne tiennent pas dans les emplacements utilisateur</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a file and what is wrong with it</comment>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Do you want to overwrite the presets %1 with %2?</source>
        <translation>Voulez-vous remplacer les presets %1 par %2&#xa0;?</translation>
    </message>
    <message>
        <source>copy takes FROM and TO</source>
        <translation>copy attend FROM et TO</translation>
    </message>
    <message>
        <source>rename takes SLOT and NAME</source>
        <translation>rename attend SLOT et NAME</translation>
    </message>
    <message>
        <source>a name on this unit has 1 to %1 characters</source>
        <translation>sur cet appareil, un nom compte de 1 à %1 caractères</translation>
    </message>
    <message>
        <source>a name holds Latin-1 letters, digits, spaces and signs only</source>
        <translation>un nom ne contient que des lettres Latin-1, des chiffres, des espaces et des signes</translation>
    </message>
    <message>
        <source>Rename %1 to &quot;%2&quot;?</source>
        <translation>Renommer %1 en «&#xa0;%2&#xa0;»&#xa0;?</translation>
    </message>
    <message>
        <source>setlist takes a list (A, B, C, D or favourites) and 1 to 20 SLOTs</source>
        <translation>setlist attend une liste (A, B, C, D ou favourites) et de 1 à 20 SLOT</translation>
    </message>
    <message>
        <source>%1 is not a set list (A, B, C, D or favourites)</source>
        <translation>%1 n&apos;est pas une setlist (A, B, C, D ou favourites)</translation>
    </message>
    <message>
        <source>Make %1 hold %2, and empty its other slots?</source>
        <translation>Mettre %2 dans %1 et vider ses autres emplacements&#xa0;?</translation>
    </message>
    <message>
        <source>%1 takes no arguments</source>
        <translation>%1 n&apos;attend aucun argument</translation>
    </message>
    <message>
        <source>Write again what the last undo took away?</source>
        <translation>Réécrire ce que la dernière annulation a retiré&#xa0;?</translation>
    </message>
    <message>
        <source>Put back what the last copy, load, rename or set-list change overwrote?</source>
        <translation>Remettre ce qu&apos;a écrasé la dernière modification (copie, chargement, renommage, setlist)&#xa0;?</translation>
    </message>
    <message>
        <source>Overwrite it anyway?</source>
        <translation>Écraser quand même&#xa0;?</translation>
    </message>
    <message>
        <source>factory-update takes at most one FILE</source>
        <translation>factory-update attend au plus un FILE</translation>
    </message>
    <message>
        <source>Rewrite the factory presets of the unit?</source>
        <translation>Réécrire les presets d&apos;usine de l&apos;appareil&#xa0;?</translation>
    </message>
    <message>
        <source>firmware takes one FILE or more</source>
        <translation>firmware attend un FILE ou plus</translation>
    </message>
    <message>
        <source>%1: neither a DSP image (.ldr) nor a microcontroller image (.bin).</source>
        <translation>%1&#xa0;: ni une image DSP (.ldr), ni une image du microcontrôleur (.bin).</translation>
    </message>
    <message>
        <source>Write %1 into the unit? Do not disconnect or power down the device while it runs.</source>
        <translation>Écrire %1 dans l&apos;appareil&#xa0;? Ne débranchez pas et n&apos;éteignez pas l&apos;appareil pendant l&apos;opération.</translation>
    </message>
    <message>
        <source>check-update takes no arguments</source>
        <translation>check-update n&apos;attend aucun argument</translation>
    </message>
    <message>
        <source>New firmware version available.
Current: %1, %2
</source>
        <translation>Une nouvelle version du firmware est disponible.
Actuelle&#xa0;: %1, %2
</translation>
    </message>
    <message>
        <source>New DSP:      %1  %2
</source>
        <translation>Nouveau DSP&#xa0;:      %1  %2
</translation>
    </message>
    <message>
        <source>New firmware: %1  %2
</source>
        <translation>Nouveau firmware&#xa0;: %1  %2
</translation>
    </message>
    <message>
        <source>unknown command %1</source>
        <translation>commande inconnue&#xa0;: %1</translation>
    </message>
    <message>
        <source>--to belongs to save and load</source>
        <translation>--to ne s&apos;utilise qu&apos;avec save et load</translation>
    </message>
    <message>
        <source>--only, --setlists and --sysparams belong to restore</source>
        <translation>--only, --setlists et --sysparams ne s&apos;utilisent qu&apos;avec restore</translation>
    </message>
    <message>
        <source>--all belongs to diff</source>
        <translation>--all ne s&apos;utilise qu&apos;avec diff</translation>
    </message>
    <message>
        <source>usage: tessitra [--bus DIR] [--json] [--yes] COMMAND [ARGUMENTS]
</source>
        <extracomment>The words in capitals and the options stand for what is typed: keep them as they are</extracomment>
        <translation>utilisation&#xa0;: tessitra [--bus DIR] [--json] [--yes] COMMAND [ARGUMENTS]
</translation>
    </message>
    <message>
        <source>usage: tessitra [--bus DIR] [--json] [--yes] %1</source>
        <extracomment>One command&apos;s usage: %1 is what follows the command&apos;s name, as &quot;list [user|factory|favourites|A|B|C|D]&quot;</extracomment>
        <translation>utilisation&#xa0;: tessitra [--bus DIR] [--json] [--yes] %1</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 attend une valeur</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>option inconnue&#xa0;: %1</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>aucune commande indiquée</translation>
    </message>
    <message>
        <source>%1 into %2</source>
        <extracomment>a back-up&apos;s preset put into another user slot of the unit: &quot;U08 into U10&quot;</extracomment>
        <translation>%1 dans %2</translation>
    </message>
</context>
</TS>
