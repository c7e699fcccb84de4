<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>CCheckNew</name>
    <message>
        <location filename="../Project/Forms/CCheckNew.ui" line="14"/>
        <source>Check for New Version</source>
        <translation>Rechercher une nouvelle version</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CCheckNew.ui" line="61"/>
        <source>Download</source>
        <translation>Télécharger</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CCheckNew.ui" line="68"/>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <location filename="../Project/Network/CCheckNew.cpp" line="191"/>
        <source>Brandquill will now look for a newer version on the Internet. You can change how often it checks, or turn the check off, in Settings.</source>
        <translation>Brandquill va maintenant rechercher une version plus récente sur Internet. Vous pouvez modifier la fréquence de cette recherche, ou la désactiver, dans les Paramètres.</translation>
    </message>
    <message>
        <location filename="../Project/Network/CCheckNew.cpp" line="246"/>
        <source>A new version of Brandquill is available: %1.
You are using version %2.</source>
        <translation>Une nouvelle version de Brandquill est disponible&#xa0;: %1.
Vous utilisez la version %2.</translation>
    </message>
    <message>
        <location filename="../Project/Network/CCheckNew.cpp" line="249"/>
        <source>You are using the latest version of Brandquill (%1).</source>
        <translation>Vous utilisez la dernière version de Brandquill (%1).</translation>
    </message>
    <message>
        <location filename="../Project/Network/CCheckNew.cpp" line="259"/>
        <source>Could not check for a new version. Please try again later.</source>
        <translation>Impossible de rechercher une nouvelle version. Veuillez réessayer plus tard.</translation>
    </message>
</context>
<context>
    <name>CControlImage</name>
    <message>
        <location filename="../Project/Views/ControlImage.cpp" line="356"/>
        <source>This photo cannot be read.</source>
        <translation>Cette photo ne peut pas être lue.</translation>
    </message>
</context>
<context>
    <name>CControlImageThread</name>
    <message>
        <location filename="../Project/Views/ControlImageThread.cpp" line="399"/>
        <source>Loading</source>
        <translation>Chargement</translation>
    </message>
    <message>
        <location filename="../Project/Views/ControlImageThread.cpp" line="432"/>
        <source>Applying &apos;%1&apos; filter</source>
        <translation>Application du filtre «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <location filename="../Project/Views/ControlImageThread.cpp" line="486"/>
        <source>Zooming</source>
        <translation>Zoom</translation>
    </message>
</context>
<context>
    <name>CDialogAbout</name>
    <message>
        <location filename="../Project/Forms/CDialogAbout.ui" line="14"/>
        <source>About Brandquill</source>
        <translation>À propos de Brandquill</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogAbout.ui" line="66"/>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogAbout.ui" line="79"/>
        <source>Batch photo editing in three steps: add your photos, choose the edits, process them all at once.</source>
        <translation>Retouche de photos par lots en trois étapes&#xa0;: ajoutez vos photos, choisissez les modifications, traitez-les toutes en une fois.</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogAbout.ui" line="89"/>
        <source>Qt %1, ImageMagick %2</source>
        <translation>Qt %1, ImageMagick %2</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogAbout.ui" line="138"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>CDialogFilterSelection</name>
    <message>
        <location filename="../Project/Forms/CDialogFilterSelection.ui" line="26"/>
        <source>Select Filter</source>
        <translation>Sélectionner un filtre</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogFilterSelection.ui" line="55"/>
        <source>All Filters</source>
        <translation>Tous les filtres</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogFilterSelection.ui" line="80"/>
        <source>Marks</source>
        <translation>Marques</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogFilterSelection.ui" line="105"/>
        <source>Decorate</source>
        <translation>Décorer</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogFilterSelection.ui" line="130"/>
        <source>Transform</source>
        <translation>Transformer</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogFilterSelection.ui" line="189"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogFilterSelection.ui" line="199"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location filename="../Project/Filters/DialogFilterSelection.cpp" line="141"/>
        <source>No filter selected</source>
        <translation>Aucun filtre sélectionné</translation>
    </message>
</context>
<context>
    <name>CDialogFont</name>
    <message>
        <location filename="../Project/Forms/CDialogFont.ui" line="10"/>
        <location filename="../Project/Forms/CDialogFont.ui" line="21"/>
        <source>Font</source>
        <translation>Police</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogFont.ui" line="35"/>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogFont.ui" line="57"/>
        <source>Bold</source>
        <translation>Gras</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogFont.ui" line="63"/>
        <source>Italic</source>
        <translation>Italique</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogFont.ui" line="68"/>
        <source>Underline</source>
        <translation>Souligné</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogFont.ui" line="73"/>
        <source>Strike Out</source>
        <translation>Barré</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogFont.ui" line="110"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogFont.ui" line="116"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>CDialogGSWarning</name>
    <message>
        <location filename="../Project/Forms/CDialogGSWarning.ui" line="14"/>
        <source>Ghostscript</source>
        <translation>Ghostscript</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogGSWarning.ui" line="20"/>
        <source>Reading this document type needs Ghostscript, which could not be found.</source>
        <translation>La lecture de ce type de document nécessite Ghostscript, qui est introuvable.</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogGSWarning.ui" line="45"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>CDialogOverwrite</name>
    <message>
        <location filename="../Project/Forms/CDialogOverwrite.ui" line="26"/>
        <source>Overwrite?</source>
        <translation>Remplacer&#xa0;?</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogOverwrite.ui" line="216"/>
        <source>Y&amp;es</source>
        <translation>&amp;Oui</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogOverwrite.ui" line="226"/>
        <source>N&amp;o</source>
        <translation>&amp;Non</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogOverwrite.ui" line="236"/>
        <source>&amp;Rename</source>
        <translation>&amp;Renommer</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogOverwrite.ui" line="250"/>
        <source>&amp;Yes to All</source>
        <translation>Oui à &amp;tout</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogOverwrite.ui" line="260"/>
        <source>&amp;No to All</source>
        <translation>Non à to&amp;ut</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogOverwrite.ui" line="270"/>
        <source>&amp;Abort</source>
        <translation>&amp;Abandonner</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CDialogOverwrite.cpp" line="84"/>
        <source>Image %1
already exists, do you want to overwrite it?</source>
        <translation>L&apos;image %1
existe déjà, voulez-vous la remplacer&#xa0;?</translation>
    </message>
</context>
<context>
    <name>CDialogOverwriteRename</name>
    <message>
        <location filename="../Project/Forms/CDialogOverwriteRename.ui" line="14"/>
        <source>Rename Photo</source>
        <translation>Renommer la photo</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogOverwriteRename.ui" line="22"/>
        <source>New name:</source>
        <translation>Nouveau nom&#xa0;:</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogOverwriteRename.ui" line="56"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogOverwriteRename.ui" line="66"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CDialogOverwriteRename.cpp" line="70"/>
        <source>A photo with the same name already exists</source>
        <translation>Une photo portant le même nom existe déjà</translation>
    </message>
</context>
<context>
    <name>CDialogProfileSave</name>
    <message>
        <location filename="../Project/Forms/CDialogProfileSave.ui" line="26"/>
        <source>Profile&apos;s Properties</source>
        <translation>Propriétés du profil</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogProfileSave.ui" line="35"/>
        <source>Specify a name and description for this profile</source>
        <translation>Indiquez un nom et une description pour ce profil</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogProfileSave.ui" line="53"/>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogProfileSave.ui" line="73"/>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogProfileSave.ui" line="107"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogProfileSave.ui" line="117"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CDialogProfileSave.cpp" line="43"/>
        <source>Please specify a name for the new profile</source>
        <translation>Veuillez indiquer un nom pour le nouveau profil</translation>
    </message>
</context>
<context>
    <name>CDialogProfileSelection</name>
    <message>
        <location filename="../Project/Forms/CDialogProfileSelection.ui" line="26"/>
        <source>Profiles</source>
        <translation>Profils</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogProfileSelection.ui" line="49"/>
        <location filename="../Project/Jobs/CDialogProfileSelection.cpp" line="45"/>
        <source>All Profiles</source>
        <translation>Tous les profils</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogProfileSelection.ui" line="74"/>
        <location filename="../Project/Jobs/CDialogProfileSelection.cpp" line="46"/>
        <source>My Profiles</source>
        <translation>Mes profils</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogProfileSelection.ui" line="99"/>
        <location filename="../Project/Jobs/CDialogProfileSelection.cpp" line="47"/>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogProfileSelection.ui" line="124"/>
        <location filename="../Project/Jobs/CDialogProfileSelection.cpp" line="48"/>
        <source>Output</source>
        <translation>Sortie</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogProfileSelection.ui" line="186"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogProfileSelection.ui" line="196"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CDialogProfileSelection.cpp" line="237"/>
        <source>No profile selected</source>
        <translation>Aucun profil sélectionné</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CDialogProfileSelection.cpp" line="286"/>
        <source>&amp;Edit</source>
        <translation>&amp;Modifier</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CDialogProfileSelection.cpp" line="287"/>
        <source>&amp;Remove</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CDialogProfileSelection.cpp" line="309"/>
        <source>Could not change the profile.</source>
        <translation>Impossible de modifier le profil.</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CDialogProfileSelection.cpp" line="321"/>
        <source>Are you sure you want to delete this profile?</source>
        <translation>Voulez-vous vraiment supprimer ce profil&#xa0;?</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CDialogProfileSelection.cpp" line="326"/>
        <source>Could not delete the profile.</source>
        <translation>Impossible de supprimer le profil.</translation>
    </message>
</context>
<context>
    <name>CDialogRename</name>
    <message>
        <location filename="../Project/Forms/CDialogRename.ui" line="20"/>
        <source>Edit Names</source>
        <translation>Modifier les noms</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogRename.ui" line="49"/>
        <source>Keywords</source>
        <translation>Mots-clés</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogRename.ui" line="98"/>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogRename.ui" line="123"/>
        <source>Cases</source>
        <translation>Casse</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogRename.ui" line="144"/>
        <source>Change cases to</source>
        <translation>Changer la casse en</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogRename.ui" line="152"/>
        <source>Unchanged</source>
        <translation>Inchangée</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogRename.ui" line="157"/>
        <source>lowercases</source>
        <translation>minuscules</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogRename.ui" line="162"/>
        <source>UPPERCASES</source>
        <translation>MAJUSCULES</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogRename.ui" line="167"/>
        <source>Mixed Cases</source>
        <translation>Casse mixte</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogRename.ui" line="188"/>
        <source>Use lower-case for extensions</source>
        <translation>Extensions en minuscules</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogRename.ui" line="201"/>
        <location filename="../Project/Processing/CDialogRename.cpp" line="266"/>
        <source>Counter</source>
        <translation>Compteur</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogRename.ui" line="222"/>
        <source>Start at</source>
        <translation>Commencer à</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogRename.ui" line="242"/>
        <source>Step by</source>
        <translation>Pas de</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogRename.ui" line="262"/>
        <source>Digits</source>
        <translation>Chiffres</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogRename.ui" line="285"/>
        <location filename="../Project/Processing/CDialogRename.cpp" line="267"/>
        <source>Date/Time</source>
        <translation>Date/Heure</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogRename.ui" line="306"/>
        <source>Use</source>
        <translation>Utiliser</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogRename.ui" line="314"/>
        <source>Original photo date</source>
        <translation>Date de prise de vue</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogRename.ui" line="319"/>
        <source>Current date</source>
        <translation>Date du jour</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogRename.ui" line="327"/>
        <source>Date format</source>
        <translation>Format de date</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogRename.ui" line="398"/>
        <source>Time format</source>
        <translation>Format d&apos;heure</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogRename.ui" line="424"/>
        <source>Show time as</source>
        <translation>Afficher l&apos;heure en</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogRename.ui" line="448"/>
        <source>Search &amp;&amp; Replace</source>
        <translation>Rechercher &amp;&amp; remplacer</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogRename.ui" line="469"/>
        <source>Search for</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogRename.ui" line="480"/>
        <source>Replace with</source>
        <translation>Remplacer par</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogRename.ui" line="509"/>
        <source>Reset</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogRename.ui" line="529"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogRename.ui" line="539"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CDialogRename.cpp" line="263"/>
        <source>Source Filename</source>
        <translation>Nom du fichier source</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CDialogRename.cpp" line="264"/>
        <source>Source Folder Name</source>
        <translation>Nom du dossier source</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CDialogRename.cpp" line="265"/>
        <source>Source Extension</source>
        <translation>Extension source</translation>
    </message>
</context>
<context>
    <name>CDialogSaveProject</name>
    <message>
        <location filename="../Project/Forms/CDialogSaveProject.ui" line="14"/>
        <source>Save Settings</source>
        <translation>Enregistrer les paramètres</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogSaveProject.ui" line="32"/>
        <source>Your settings have changed. Would you like to save them as a profile before Brandquill closes?</source>
        <translation>Vos paramètres ont changé. Voulez-vous les enregistrer comme profil avant la fermeture de Brandquill&#xa0;?</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogSaveProject.ui" line="60"/>
        <source>Don&apos;t ask me again</source>
        <translation>Ne plus me demander</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogSaveProject.ui" line="80"/>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogSaveProject.ui" line="90"/>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogSaveProject.ui" line="100"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>CDialogSearch</name>
    <message>
        <location filename="../Project/Forms/CDialogSearch.ui" line="14"/>
        <source>Search and Add</source>
        <translation>Rechercher et ajouter</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogSearch.ui" line="25"/>
        <source>Folder:</source>
        <translation>Dossier&#xa0;:</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogSearch.ui" line="45"/>
        <source>Browse...</source>
        <translation>Parcourir...</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogSearch.ui" line="55"/>
        <source>File mask:</source>
        <translation>Masque de fichier&#xa0;:</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogSearch.ui" line="115"/>
        <source>Search in subfolders</source>
        <translation>Rechercher dans les sous-dossiers</translation>
    </message>
</context>
<context>
    <name>CDialogSocial</name>
    <message>
        <location filename="../Project/Forms/CDialogSocial.ui" line="14"/>
        <source>Share Brandquill</source>
        <translation>Partager Brandquill</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogSocial.ui" line="26"/>
        <source>Enjoying Brandquill? Tell your friends about it.</source>
        <translation>Vous aimez Brandquill&#xa0;? Parlez-en à vos amis.</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogSocial.ui" line="57"/>
        <source>E-mail a Friend</source>
        <translation>Envoyer à un ami</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogSocial.ui" line="82"/>
        <source>Copy Link</source>
        <translation>Copier le lien</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogSocial.ui" line="107"/>
        <source>Visit Web Site</source>
        <translation>Visiter le site Web</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogSocial.ui" line="143"/>
        <source>Don&apos;t show this again</source>
        <translation>Ne plus afficher</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogSocial.ui" line="163"/>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <location filename="../Project/Dialogs/CDialogSocial.cpp" line="46"/>
        <source>Try Brandquill</source>
        <translation>Essayez Brandquill</translation>
    </message>
    <message>
        <location filename="../Project/Dialogs/CDialogSocial.cpp" line="48"/>
        <source>I edit many photos at once with Brandquill: %1</source>
        <translation>Je modifie de nombreuses photos à la fois avec Brandquill&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>CDialogTip</name>
    <message>
        <location filename="../Project/Forms/CDialogTip.ui" line="26"/>
        <source>Tip</source>
        <translation>Astuce</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogTip.ui" line="92"/>
        <source>Tip text</source>
        <translation>Texte de l&apos;astuce</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogTip.ui" line="123"/>
        <source>Don&apos;t show this tip again</source>
        <translation>Ne plus afficher cette astuce</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogTip.ui" line="143"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>CDialogUnsupportedFormat</name>
    <message>
        <location filename="../Project/Forms/CDialogUnsupportedFormat.ui" line="14"/>
        <source>Unsupported Files</source>
        <translation>Fichiers non pris en charge</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogUnsupportedFormat.ui" line="23"/>
        <source>These files were not added because Brandquill cannot read their format:</source>
        <translation>Ces fichiers n&apos;ont pas été ajoutés, car Brandquill ne peut pas lire leur format&#xa0;:</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogUnsupportedFormat.ui" line="61"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>CFilterCrop</name>
    <message>
        <location filename="../Project/Filters/FilterCrop.cpp" line="31"/>
        <source>Original image size:</source>
        <translation>Taille d&apos;origine&#xa0;:</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterCrop.cpp" line="33"/>
        <source>in Pixels</source>
        <translation>en pixels</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterCrop.cpp" line="33"/>
        <source>in Percents</source>
        <translation>en pourcentage</translation>
    </message>
</context>
<context>
    <name>CFilterGrungeFrame</name>
    <message>
        <location filename="../Project/Forms/CFilterGrungeFrame.ui" line="14"/>
        <source>Frame</source>
        <translation>Cadre</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterGrungeFrame.ui" line="30"/>
        <source>Background</source>
        <translation>Arrière-plan</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterGrungeFrame.ui" line="52"/>
        <source>Draw over a transparent background</source>
        <translation>Dessiner sur un fond transparent</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterGrungeFrame.ui" line="57"/>
        <source>Apply random frame</source>
        <translation>Appliquer un cadre aléatoire</translation>
    </message>
</context>
<context>
    <name>CFilterLogo</name>
    <message>
        <location filename="../Project/Forms/CFilterLogo.ui" line="39"/>
        <source>Logo</source>
        <translation>Logo</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterLogo.ui" line="75"/>
        <source>Logo Path</source>
        <translation>Chemin du logo</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterLogo.ui" line="130"/>
        <source>Browse</source>
        <translation>Parcourir</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterLogo.ui" line="154"/>
        <location filename="../Project/Forms/CFilterLogo.ui" line="181"/>
        <source>Placement</source>
        <translation>Position</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterLogo.ui" line="233"/>
        <source>Delta X (px)</source>
        <translation>Delta X (px)</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterLogo.ui" line="291"/>
        <source>Delta Y (px)</source>
        <translation>Delta Y (px)</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterLogo.ui" line="349"/>
        <source>Tile</source>
        <translation>Mosaïque</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterLogo.ui" line="373"/>
        <source>Offset X</source>
        <translation>Décalage X</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterLogo.ui" line="415"/>
        <source>Offset Y</source>
        <translation>Décalage Y</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterLogo.ui" line="457"/>
        <source>Transformation</source>
        <translation>Transformation</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterLogo.ui" line="484"/>
        <location filename="../Project/Forms/CFilterLogo.ui" line="895"/>
        <location filename="../Project/Forms/CFilterLogo.ui" line="1117"/>
        <source>Alpha (%)</source>
        <translation>Transparence (%)</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterLogo.ui" line="542"/>
        <source>Scale (%)</source>
        <translation>Échelle (%)</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterLogo.ui" line="600"/>
        <location filename="../Project/Forms/CFilterLogo.ui" line="1315"/>
        <source>Blur</source>
        <translation>Flou</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterLogo.ui" line="642"/>
        <source>Rotation (°)</source>
        <translation>Rotation (°)</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterLogo.ui" line="756"/>
        <source>More</source>
        <translation>Plus</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterLogo.ui" line="789"/>
        <source>Stroke</source>
        <translation>Contour</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterLogo.ui" line="816"/>
        <source>Enable Stroke</source>
        <translation>Activer le contour</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterLogo.ui" line="840"/>
        <location filename="../Project/Forms/CFilterLogo.ui" line="1062"/>
        <source>Color</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterLogo.ui" line="953"/>
        <source>Width</source>
        <translation>Largeur</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterLogo.ui" line="1011"/>
        <source>Shadow</source>
        <translation>Ombre</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterLogo.ui" line="1038"/>
        <source>Draw Shadow</source>
        <translation>Dessiner une ombre</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterLogo.ui" line="1175"/>
        <source>Distance</source>
        <translation>Distance</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterLogo.ui" line="1217"/>
        <source>Angle</source>
        <translation>Angle</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterLogo.cpp" line="41"/>
        <source>Top-Left</source>
        <translation>En haut à gauche</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterLogo.cpp" line="41"/>
        <source>Top-Center</source>
        <translation>En haut au centre</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterLogo.cpp" line="41"/>
        <source>Top-Right</source>
        <translation>En haut à droite</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterLogo.cpp" line="41"/>
        <source>Middle-Left</source>
        <translation>Au milieu à gauche</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterLogo.cpp" line="41"/>
        <source>Middle-Center</source>
        <translation>Au centre</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterLogo.cpp" line="42"/>
        <source>Middle-Right</source>
        <translation>Au milieu à droite</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterLogo.cpp" line="42"/>
        <source>Bottom-Left</source>
        <translation>En bas à gauche</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterLogo.cpp" line="42"/>
        <source>Bottom-Center</source>
        <translation>En bas au centre</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterLogo.cpp" line="42"/>
        <source>Bottom-Right</source>
        <translation>En bas à droite</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterLogo.cpp" line="169"/>
        <source>Select Watermark Image</source>
        <translation>Choisir l&apos;image du filigrane</translation>
    </message>
</context>
<context>
    <name>CFilterPictureFrame</name>
    <message>
        <location filename="../Project/Forms/CFilterPictureFrame.ui" line="14"/>
        <source>Frame</source>
        <translation>Cadre</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterPictureFrame.ui" line="29"/>
        <source>Background</source>
        <translation>Arrière-plan</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterPictureFrame.ui" line="51"/>
        <source>Draw over a transparent background</source>
        <translation>Dessiner sur un fond transparent</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterPictureFrame.ui" line="56"/>
        <source>Apply random frame</source>
        <translation>Appliquer un cadre aléatoire</translation>
    </message>
</context>
<context>
    <name>CFilterRaise</name>
    <message>
        <location filename="../Project/Filters/FilterRaise.cpp" line="28"/>
        <source>Lower</source>
        <translation>Enfoncé</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterRaise.cpp" line="28"/>
        <source>Raise</source>
        <translation>En relief</translation>
    </message>
</context>
<context>
    <name>CFilterResize</name>
    <message>
        <location filename="../Project/Forms/CFilterResize.ui" line="14"/>
        <location filename="../Project/Filters/FilterResize.cpp" line="41"/>
        <source>Original image size:</source>
        <translation>Taille d&apos;origine&#xa0;:</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterResize.ui" line="19"/>
        <source>Resize</source>
        <translation>Redimensionner</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterResize.ui" line="33"/>
        <source>Dimensions</source>
        <translation>Dimensions</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterResize.ui" line="49"/>
        <source>Resize by</source>
        <translation>Ajuster par</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterResize.ui" line="65"/>
        <source>Width</source>
        <translation>Largeur</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterResize.ui" line="91"/>
        <source>Height</source>
        <translation>Hauteur</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterResize.ui" line="114"/>
        <source>Maintain aspect ratio</source>
        <translation>Conserver les proportions</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterResize.ui" line="119"/>
        <source>Don’t upscale images that are smaller
than specified size</source>
        <translation>Ne pas agrandir les images plus petites
que la taille indiquée</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterResize.cpp" line="43"/>
        <source>in Pixels</source>
        <translation>en pixels</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterResize.cpp" line="43"/>
        <source>in Percents</source>
        <translation>en pourcentage</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterResize.cpp" line="45"/>
        <source>Width &amp; Height</source>
        <translation>Largeur &amp; hauteur</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterResize.cpp" line="45"/>
        <source>Fixed Width</source>
        <translation>Largeur fixe</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterResize.cpp" line="45"/>
        <source>Fixed Height</source>
        <translation>Hauteur fixe</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterResize.cpp" line="45"/>
        <source>Fixed Width &amp; Height</source>
        <translation>Largeur &amp; hauteur fixes</translation>
    </message>
</context>
<context>
    <name>CFilterRotate</name>
    <message>
        <location filename="../Project/Forms/CFilterRotate.ui" line="17"/>
        <source>Degrees</source>
        <translation>Degrés</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterRotate.ui" line="52"/>
        <source>Rotate Left</source>
        <translation>Vers la gauche</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterRotate.ui" line="59"/>
        <source>Rotate Right</source>
        <translation>Vers la droite</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterRotate.ui" line="75"/>
        <source>Condition</source>
        <translation>Condition</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterRotate.cpp" line="28"/>
        <source>All Photos</source>
        <translation>Toutes les photos</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterRotate.cpp" line="28"/>
        <source>Only Portrait</source>
        <translation>Portrait uniquement</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterRotate.cpp" line="28"/>
        <source>Only Landscape</source>
        <translation>Paysage uniquement</translation>
    </message>
</context>
<context>
    <name>CFilterShapeFrame</name>
    <message>
        <location filename="../Project/Forms/CFilterShapeFrame.ui" line="14"/>
        <source>Frame</source>
        <translation>Cadre</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterShapeFrame.ui" line="30"/>
        <source>Background</source>
        <translation>Arrière-plan</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterShapeFrame.ui" line="55"/>
        <source>Edges</source>
        <translation>Bords</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterShapeFrame.ui" line="76"/>
        <source>Draw over a transparent background</source>
        <translation>Dessiner sur un fond transparent</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterShapeFrame.ui" line="81"/>
        <source>Apply random frame</source>
        <translation>Appliquer un cadre aléatoire</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterShapeFrame.cpp" line="23"/>
        <source>Sharp</source>
        <translation>Nets</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterShapeFrame.cpp" line="23"/>
        <source>Blurred</source>
        <translation>Flous</translation>
    </message>
</context>
<context>
    <name>CFilterSimpleBorder</name>
    <message>
        <location filename="../Project/Filters/FilterSimpleBorder.cpp" line="32"/>
        <source>in Pixels</source>
        <translation>en pixels</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterSimpleBorder.cpp" line="32"/>
        <source>in Percents</source>
        <translation>en pourcentage</translation>
    </message>
</context>
<context>
    <name>CFilterText</name>
    <message>
        <location filename="../Project/Forms/CFilterText.ui" line="39"/>
        <location filename="../Project/Forms/CFilterText.ui" line="75"/>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterText.ui" line="109"/>
        <source>Copyright [Copyright] Quorvelline</source>
        <translation>Copyright [Copyright] Quorvelline</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterText.ui" line="134"/>
        <source>Add Keyword</source>
        <translation>Mot-clé</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterText.ui" line="170"/>
        <location filename="../Project/Forms/CFilterText.ui" line="197"/>
        <source>Placement</source>
        <translation>Position</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterText.ui" line="249"/>
        <source>Delta X (px)</source>
        <translation>Delta X (px)</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterText.ui" line="307"/>
        <source>Delta Y (px)</source>
        <translation>Delta Y (px)</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterText.ui" line="365"/>
        <source>Tile</source>
        <translation>Mosaïque</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterText.ui" line="389"/>
        <source>Offset X</source>
        <translation>Décalage X</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterText.ui" line="431"/>
        <source>Offset Y</source>
        <translation>Décalage Y</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterText.ui" line="473"/>
        <source>Rotation (°)</source>
        <translation>Rotation (°)</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterText.ui" line="571"/>
        <source>Line spacing (px)</source>
        <translation>Interligne</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterText.ui" line="645"/>
        <location filename="../Project/Forms/CFilterText.ui" line="681"/>
        <source>Font</source>
        <translation>Police</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterText.ui" line="708"/>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterText.ui" line="727"/>
        <source>Select</source>
        <translation>Choisir</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterText.ui" line="763"/>
        <location filename="../Project/Forms/CFilterText.ui" line="1044"/>
        <location filename="../Project/Forms/CFilterText.ui" line="1318"/>
        <location filename="../Project/Forms/CFilterText.ui" line="1540"/>
        <source>Color</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterText.ui" line="818"/>
        <source>Texture</source>
        <translation>Texture</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterText.ui" line="837"/>
        <source>Browse</source>
        <translation>Parcourir</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterText.ui" line="862"/>
        <source>Cannot be read</source>
        <translation>Illisible</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterText.ui" line="893"/>
        <location filename="../Project/Forms/CFilterText.ui" line="1099"/>
        <location filename="../Project/Forms/CFilterText.ui" line="1373"/>
        <location filename="../Project/Forms/CFilterText.ui" line="1595"/>
        <source>Alpha (%)</source>
        <translation>Transparence (%)</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterText.ui" line="951"/>
        <location filename="../Project/Forms/CFilterText.ui" line="1793"/>
        <source>Blur</source>
        <translation>Flou</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterText.ui" line="993"/>
        <source>Stroke</source>
        <translation>Contour</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterText.ui" line="1020"/>
        <source>Enable Stroke</source>
        <translation>Activer le contour</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterText.ui" line="1157"/>
        <source>Width</source>
        <translation>Largeur</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterText.ui" line="1231"/>
        <source>More</source>
        <translation>Plus</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterText.ui" line="1267"/>
        <source>Box</source>
        <translation>Encadré</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterText.ui" line="1294"/>
        <source>Draw Bounding-Box</source>
        <translation>Dessiner un encadré</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterText.ui" line="1431"/>
        <source>Offset (%)</source>
        <translation>Marge (%)</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterText.ui" line="1489"/>
        <source>Shadow</source>
        <translation>Ombre</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterText.ui" line="1516"/>
        <source>Draw Shadow</source>
        <translation>Dessiner une ombre</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterText.ui" line="1653"/>
        <source>Distance</source>
        <translation>Distance</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterText.ui" line="1695"/>
        <source>Angle</source>
        <translation>Angle</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterText.cpp" line="70"/>
        <source>Align Left</source>
        <translation>Aligner à gauche</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterText.cpp" line="70"/>
        <source>Align Center</source>
        <translation>Centrer</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterText.cpp" line="70"/>
        <source>Align Right</source>
        <translation>Aligner à droite</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterText.cpp" line="72"/>
        <source>Top-Left</source>
        <translation>En haut à gauche</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterText.cpp" line="72"/>
        <source>Top-Center</source>
        <translation>En haut au centre</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterText.cpp" line="72"/>
        <source>Top-Right</source>
        <translation>En haut à droite</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterText.cpp" line="72"/>
        <source>Middle-Left</source>
        <translation>Au milieu à gauche</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterText.cpp" line="72"/>
        <source>Middle-Center</source>
        <translation>Au centre</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterText.cpp" line="73"/>
        <source>Middle-Right</source>
        <translation>Au milieu à droite</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterText.cpp" line="73"/>
        <source>Bottom-Left</source>
        <translation>En bas à gauche</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterText.cpp" line="73"/>
        <source>Bottom-Center</source>
        <translation>En bas au centre</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterText.cpp" line="73"/>
        <source>Bottom-Right</source>
        <translation>En bas à droite</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterText.cpp" line="442"/>
        <source>Select Watermark Image</source>
        <translation>Choisir l&apos;image du filigrane</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterText.cpp" line="454"/>
        <source>Copyright</source>
        <translation>Copyright</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterText.cpp" line="455"/>
        <source>Registered</source>
        <translation>Marque déposée</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterText.cpp" line="456"/>
        <source>Trademark</source>
        <translation>Marque commerciale</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterText.cpp" line="457"/>
        <source>Servicemark</source>
        <translation>Marque de service</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterText.cpp" line="460"/>
        <source>Source Filename</source>
        <translation>Nom du fichier source</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterText.cpp" line="461"/>
        <source>Source Extension</source>
        <translation>Extension source</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterText.cpp" line="462"/>
        <source>Source Folder</source>
        <translation>Dossier source</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterText.cpp" line="463"/>
        <source>Source Path</source>
        <translation>Chemin source</translation>
    </message>
</context>
<context>
    <name>CFilterVintageFrame</name>
    <message>
        <location filename="../Project/Forms/CFilterVintageFrame.ui" line="14"/>
        <source>Frame</source>
        <translation>Cadre</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterVintageFrame.ui" line="29"/>
        <source>Background</source>
        <translation>Arrière-plan</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterVintageFrame.ui" line="51"/>
        <source>Draw over a transparent background</source>
        <translation>Dessiner sur un fond transparent</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterVintageFrame.ui" line="56"/>
        <source>Apply random frame</source>
        <translation>Appliquer un cadre aléatoire</translation>
    </message>
</context>
<context>
    <name>CFormatSettings</name>
    <message>
        <location filename="../Project/Forms/CFormatSettings.ui" line="48"/>
        <location filename="../Project/Forms/CFormatSettings.ui" line="83"/>
        <location filename="../Project/Forms/CFormatSettings.ui" line="196"/>
        <location filename="../Project/Forms/CFormatSettings.ui" line="309"/>
        <location filename="../Project/Forms/CFormatSettings.ui" line="509"/>
        <location filename="../Project/Forms/CFormatSettings.ui" line="824"/>
        <location filename="../Project/Forms/CFormatSettings.ui" line="1024"/>
        <location filename="../Project/Forms/CFormatSettings.ui" line="1183"/>
        <location filename="../Project/Forms/CFormatSettings.ui" line="1442"/>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFormatSettings.ui" line="54"/>
        <source>There are no settings for this format</source>
        <translation>Ce format n&apos;a aucun paramètre</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFormatSettings.ui" line="123"/>
        <source>Default format</source>
        <translation>Format par défaut</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFormatSettings.ui" line="236"/>
        <location filename="../Project/Forms/CFormatSettings.ui" line="436"/>
        <location filename="../Project/Forms/CFormatSettings.ui" line="751"/>
        <location filename="../Project/Forms/CFormatSettings.ui" line="1110"/>
        <source>Interlace Type</source>
        <translation>Type d&apos;entrelacement</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFormatSettings.ui" line="349"/>
        <location filename="../Project/Forms/CFormatSettings.ui" line="549"/>
        <location filename="../Project/Forms/CFormatSettings.ui" line="923"/>
        <location filename="../Project/Forms/CFormatSettings.ui" line="1282"/>
        <location filename="../Project/Forms/CFormatSettings.ui" line="1482"/>
        <source>Size/Quality</source>
        <translation>Taille/Qualité</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFormatSettings.ui" line="636"/>
        <source>Fixed Size (KB)</source>
        <translation>Taille fixe (Ko)</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFormatSettings.ui" line="692"/>
        <location filename="../Project/Forms/CFormatSettings.ui" line="1369"/>
        <source>Colors/BitDepth</source>
        <translation>Couleurs/Profondeur</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFormatSettings.ui" line="864"/>
        <location filename="../Project/Forms/CFormatSettings.ui" line="1223"/>
        <source>Compression</source>
        <translation>Compression</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFormatSettings.ui" line="1064"/>
        <source>Use best compression (slower writing speed)</source>
        <translation>Meilleure compression (écriture plus lente)</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFormatSettings.ui" line="1573"/>
        <source>Reset</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFormatSettings.ui" line="1596"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFormatSettings.ui" line="1606"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CFormatSettings.cpp" line="114"/>
        <location filename="../Project/Jobs/CFormatSettings.cpp" line="142"/>
        <source>Custom</source>
        <translation>Personnalisé</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CFormatSettings.cpp" line="382"/>
        <source>Load Profile</source>
        <translation>Charger un profil</translation>
    </message>
</context>
<context>
    <name>CFtpClient</name>
    <message>
        <location filename="../Project/Network/CFtpClient.cpp" line="53"/>
        <source>no answer within %1 s</source>
        <translation>aucune réponse en %1 s</translation>
    </message>
    <message>
        <location filename="../Project/Network/CFtpClient.cpp" line="180"/>
        <source>A name or account text holds a line break; it was not sent.</source>
        <translation>Un nom ou un texte de compte contient un saut de ligne&#xa0;; il n&apos;a pas été envoyé.</translation>
    </message>
    <message>
        <location filename="../Project/Network/CFtpClient.cpp" line="201"/>
        <source>The file cannot be read.</source>
        <translation>Le fichier ne peut pas être lu.</translation>
    </message>
    <message>
        <location filename="../Project/Network/CFtpClient.cpp" line="228"/>
        <source>Not connected.</source>
        <translation>Non connecté.</translation>
    </message>
    <message>
        <location filename="../Project/Network/CFtpClient.cpp" line="276"/>
        <location filename="../Project/Network/CFtpClient.cpp" line="284"/>
        <source>Aborted.</source>
        <translation>Interrompu.</translation>
    </message>
    <message>
        <location filename="../Project/Network/CFtpClient.cpp" line="325"/>
        <location filename="../Project/Network/CFtpClient.cpp" line="351"/>
        <location filename="../Project/Network/CFtpClient.cpp" line="356"/>
        <source>reply too long</source>
        <translation>réponse trop longue</translation>
    </message>
    <message>
        <location filename="../Project/Network/CFtpClient.cpp" line="555"/>
        <source>listing too long</source>
        <translation>liste trop longue</translation>
    </message>
    <message>
        <location filename="../Project/Network/CFtpClient.cpp" line="475"/>
        <source>the transfer ended before the whole file was sent</source>
        <translation>le transfert s&apos;est terminé avant l&apos;envoi du fichier entier</translation>
    </message>
</context>
<context>
    <name>CListThumb</name>
    <message>
        <location filename="../Project/Views/ListThumb.cpp" line="142"/>
        <source>Top-Left</source>
        <translation>En haut à gauche</translation>
    </message>
    <message>
        <location filename="../Project/Views/ListThumb.cpp" line="142"/>
        <source>Top-Right</source>
        <translation>En haut à droite</translation>
    </message>
    <message>
        <location filename="../Project/Views/ListThumb.cpp" line="142"/>
        <source>Bottom-Right</source>
        <translation>En bas à droite</translation>
    </message>
    <message>
        <location filename="../Project/Views/ListThumb.cpp" line="142"/>
        <source>Bottom-Left</source>
        <translation>En bas à gauche</translation>
    </message>
    <message>
        <location filename="../Project/Views/ListThumb.cpp" line="143"/>
        <source>Left-Top</source>
        <translation>Gauche-haut</translation>
    </message>
    <message>
        <location filename="../Project/Views/ListThumb.cpp" line="143"/>
        <source>Right-Top</source>
        <translation>Droite-haut</translation>
    </message>
    <message>
        <location filename="../Project/Views/ListThumb.cpp" line="143"/>
        <source>Right-Bottom</source>
        <translation>Droite-bas</translation>
    </message>
    <message>
        <location filename="../Project/Views/ListThumb.cpp" line="143"/>
        <source>Left-Bottom</source>
        <translation>Gauche-bas</translation>
    </message>
    <message>
        <location filename="../Project/Views/ListThumb.cpp" line="153"/>
        <source>Uncalibrated</source>
        <translation>Non calibré</translation>
    </message>
</context>
<context>
    <name>CMainPanel1</name>
    <message>
        <location filename="../Project/Forms/CMainPanel1.ui" line="13"/>
        <source>Photos</source>
        <translation>Photos</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CMainPanel1.ui" line="54"/>
        <source>&amp;Add Photos</source>
        <translation>&amp;Photos...</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CMainPanel1.ui" line="61"/>
        <source>A&amp;dd...</source>
        <translation>A&amp;jouter...</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CMainPanel1.ui" line="68"/>
        <source>Re&amp;move</source>
        <translation>Suppri&amp;mer</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CMainPanel1.ui" line="75"/>
        <source>V&amp;iew</source>
        <translation>&amp;Vue</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CMainPanel1.ui" line="88"/>
        <source>&amp;Show preview</source>
        <translation>Afficher l&apos;aperç&amp;u</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1.cpp" line="71"/>
        <source>Add the photos you want to edit</source>
        <translation>Ajoutez les photos que vous souhaitez modifier</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1.cpp" line="73"/>
        <source>Go to Step 2 and define the edits you want to apply to your photos</source>
        <translation>Passez à l&apos;étape 2 et définissez les modifications à appliquer à vos photos</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1.cpp" line="109"/>
        <source>Drag &amp; Drop Your Photos Here</source>
        <translation>Glissez-déposez vos photos ici</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1.cpp" line="110"/>
        <source>Or Click To Add Photos</source>
        <translation>Ou cliquez pour ajouter des photos</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1.cpp" line="180"/>
        <source>Select Photo(s)</source>
        <translation>Sélectionner des photos</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1.cpp" line="212"/>
        <source>Browse For Folder</source>
        <translation>Choisir un dossier</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1.cpp" line="319"/>
        <source>No photos selected</source>
        <translation>Aucune photo sélectionnée</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1.cpp" line="322"/>
        <source>Remove selected photo(s) from the list?</source>
        <translation>Retirer les photos sélectionnées de la liste&#xa0;?</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1.cpp" line="370"/>
        <source>Remove all photos from the list?</source>
        <translation>Retirer toutes les photos de la liste&#xa0;?</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1.cpp" line="400"/>
        <source>&amp;Folder</source>
        <translation>&amp;Dossier</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1.cpp" line="401"/>
        <source>F&amp;older with Subfolders</source>
        <translation>Dossier et s&amp;ous-dossiers</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1.cpp" line="402"/>
        <location filename="../Project/Interface/MainPanel1Views.cpp" line="234"/>
        <source>&amp;Search &amp;&amp; Add</source>
        <translation>&amp;Rechercher &amp;&amp; ajouter</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1.cpp" line="409"/>
        <source>&amp;Selected</source>
        <translation>&amp;Sélection</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1.cpp" line="410"/>
        <source>&amp;All</source>
        <translation>&amp;Tout</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1Views.cpp" line="39"/>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1Views.cpp" line="39"/>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1Views.cpp" line="39"/>
        <source>Date Taken</source>
        <translation>Date de prise de vue</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1Views.cpp" line="40"/>
        <source>Dimensions</source>
        <translation>Dimensions</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1Views.cpp" line="40"/>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1Views.cpp" line="40"/>
        <source>Location</source>
        <translation>Emplacement</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1Views.cpp" line="41"/>
        <source>Camera</source>
        <translation>Appareil</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1Views.cpp" line="41"/>
        <source>F-stop</source>
        <translation>Ouverture</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1Views.cpp" line="41"/>
        <source>Exposure</source>
        <translation>Exposition</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1Views.cpp" line="42"/>
        <source>ISO</source>
        <translation>ISO</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1Views.cpp" line="42"/>
        <source>DPI</source>
        <translation>PPP</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1Views.cpp" line="42"/>
        <source>Color</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1Views.cpp" line="43"/>
        <source>Coordinates</source>
        <translation>Coordonnées</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1Views.cpp" line="43"/>
        <source>Altitude</source>
        <translation>Altitude</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1Views.cpp" line="203"/>
        <source>&amp;Details</source>
        <translation>D&amp;étails</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1Views.cpp" line="203"/>
        <source>&amp;Small Icons</source>
        <translation>Petites &amp;icônes</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1Views.cpp" line="203"/>
        <source>&amp;Medium Icons</source>
        <translation>Icônes &amp;moyennes</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1Views.cpp" line="203"/>
        <source>&amp;Large Icons</source>
        <translation>&amp;Grandes icônes</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1Views.cpp" line="232"/>
        <source>Add &amp;Photo(s)</source>
        <translation>Ajouter des p&amp;hotos</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1Views.cpp" line="233"/>
        <source>Add &amp;Folder</source>
        <translation>Ajouter un &amp;dossier</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1Views.cpp" line="235"/>
        <source>Pas&amp;te</source>
        <translation>&amp;Coller</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1Views.cpp" line="239"/>
        <source>Remove S&amp;elected</source>
        <translation>Supprim&amp;er la sélection</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1Views.cpp" line="240"/>
        <source>Remove &amp;All</source>
        <translation>Supprimer &amp;tout</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1.cpp" line="259"/>
        <source>%1 (the name is not valid UTF-8)</source>
        <translation>%1 (le nom n&apos;est pas de l&apos;UTF-8 valide)</translation>
    </message>
</context>
<context>
    <name>CMainPanel2</name>
    <message>
        <location filename="../Project/Forms/CMainPanel2.ui" line="41"/>
        <source>Graphic Filters</source>
        <translation>Filtres graphiques</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CMainPanel2.ui" line="96"/>
        <source>Add Filter</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CMainPanel2.ui" line="109"/>
        <source>Remove</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CMainPanel2.ui" line="122"/>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CMainPanel2.ui" line="159"/>
        <source>Edit Names</source>
        <translation>Modifier les noms</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CMainPanel2.ui" line="171"/>
        <source>Preset</source>
        <translation>Modèle</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CMainPanel2.ui" line="216"/>
        <location filename="../Project/Forms/CMainPanel2.ui" line="236"/>
        <location filename="../Project/Forms/CMainPanel2.ui" line="314"/>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CMainPanel2.ui" line="303"/>
        <source>Sh&amp;ow preview</source>
        <translation>Afficher l&apos;a&amp;perçu</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CMainPanel2.ui" line="376"/>
        <source>Original</source>
        <translation>Original</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CMainPanel2.ui" line="601"/>
        <source>S&amp;witch View</source>
        <translation>Autre &amp;vue</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel2.cpp" line="101"/>
        <source>Add a graphic filter that will be applied on all the photos added in Step 1</source>
        <translation>Ajoutez un filtre graphique qui sera appliqué à toutes les photos ajoutées à l&apos;étape 1</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel2.cpp" line="103"/>
        <source>Go to Step 3 and select the output folder and image format for the edited photos</source>
        <translation>Passez à l&apos;étape 3 et sélectionnez le dossier de sortie et le format d&apos;image des photos modifiées</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel2.cpp" line="109"/>
        <source>Keep Unchanged</source>
        <translation>Conserver tels quels</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel2.cpp" line="109"/>
        <source>Rename to Folder&apos;s Name</source>
        <translation>Renommer selon le dossier</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel2.cpp" line="109"/>
        <source>Rename to Photo&apos;s Date</source>
        <translation>Renommer selon la date</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel2.cpp" line="109"/>
        <source>Custom Defined</source>
        <translation>Personnalisé</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel2.cpp" line="174"/>
        <location filename="../Project/Interface/MainPanel2.cpp" line="265"/>
        <source>No filter selected</source>
        <translation>Aucun filtre sélectionné</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel2.cpp" line="280"/>
        <source>Remove selected filter(s)?</source>
        <translation>Supprimer les filtres sélectionnés&#xa0;?</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel2.cpp" line="297"/>
        <source>Remove all filters?</source>
        <translation>Supprimer tous les filtres&#xa0;?</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel2.cpp" line="375"/>
        <source>&amp;Edit</source>
        <translation>&amp;Modifier</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel2.cpp" line="377"/>
        <source>&amp;Add Filter</source>
        <translation>&amp;Ajouter un filtre</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel2.cpp" line="379"/>
        <source>Remove &amp;Selected</source>
        <translation>Supprimer la &amp;sélection</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel2.cpp" line="380"/>
        <source>Remove A&amp;ll</source>
        <translation>Supprimer &amp;tout</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel2.cpp" line="382"/>
        <source>&amp;Duplicate</source>
        <translation>&amp;Dupliquer</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel2.cpp" line="384"/>
        <source>Move &amp;Up</source>
        <translation>Déplacer vers le &amp;haut</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel2.cpp" line="385"/>
        <source>Move D&amp;own</source>
        <translation>Déplacer vers le &amp;bas</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel2.cpp" line="392"/>
        <source>Remove Selected</source>
        <translation>Supprimer la sélection</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel2.cpp" line="393"/>
        <source>Remove All</source>
        <translation>Supprimer tout</translation>
    </message>
</context>
<context>
    <name>CMainPanel3</name>
    <message>
        <location filename="../Project/Forms/CMainPanel3.ui" line="57"/>
        <source>Output</source>
        <translation>Sortie</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CMainPanel3.ui" line="63"/>
        <source>Destination</source>
        <translation>Destination</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CMainPanel3.ui" line="123"/>
        <location filename="../Project/Forms/CMainPanel3.ui" line="215"/>
        <source>Folder</source>
        <translation>Dossier</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CMainPanel3.ui" line="133"/>
        <source>Selec&amp;t</source>
        <translation>&amp;Sélectionner</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CMainPanel3.ui" line="157"/>
        <location filename="../Project/Forms/CMainPanel3.ui" line="242"/>
        <location filename="../Project/Forms/CMainPanel3.ui" line="260"/>
        <location filename="../Project/Forms/CMainPanel3.ui" line="284"/>
        <source>Also save on My Computer</source>
        <translation>Enregistrer aussi sur mon ordinateur</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CMainPanel3.ui" line="181"/>
        <source>Username</source>
        <translation>Nom d&apos;utilisateur</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CMainPanel3.ui" line="191"/>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CMainPanel3.ui" line="205"/>
        <source>Host</source>
        <translation>Hôte</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CMainPanel3.ui" line="225"/>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CMainPanel3.ui" line="317"/>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CMainPanel3.ui" line="323"/>
        <source>Output Format</source>
        <translation>Format de sortie</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CMainPanel3.ui" line="355"/>
        <source>&amp;Settings</source>
        <translation>&amp;Paramètres</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CMainPanel3.ui" line="362"/>
        <source>&amp;Create a single multi-page document from all photos (only valid for PDF, TIF, GIF)</source>
        <translation>&amp;Créer un document unique de plusieurs pages avec toutes les photos (PDF, TIF, GIF uniquement)</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CMainPanel3.ui" line="378"/>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CMainPanel3.ui" line="384"/>
        <source>&amp;Open output folder after processing</source>
        <translation>&amp;Ouvrir le dossier de sortie après le traitement</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CMainPanel3.ui" line="391"/>
        <source>Set output photo&apos;s &amp;date and attributes same as original</source>
        <translation>Conserver la date et les attri&amp;buts de l&apos;original pour la photo de sortie</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CMainPanel3.ui" line="398"/>
        <source>De&amp;lete source photo after processing (move photo)</source>
        <translation>Suppr&amp;imer la photo source après le traitement (déplacer la photo)</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel3.cpp" line="65"/>
        <source>When you are ready, go ahead and apply the changes to your photos</source>
        <translation>Lorsque vous êtes prêt, appliquez les modifications à vos photos</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel3.cpp" line="70"/>
        <location filename="../Project/Interface/MainPanel3.cpp" line="190"/>
        <source>Folder on My Computer (default)</source>
        <translation>Dossier sur mon ordinateur (par défaut)</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel3.cpp" line="70"/>
        <location filename="../Project/Interface/MainPanel3.cpp" line="193"/>
        <source>Send via E-mail</source>
        <translation>Envoyer par e-mail</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel3.cpp" line="70"/>
        <location filename="../Project/Interface/MainPanel3.cpp" line="197"/>
        <source>Upload to FTP</source>
        <translation>Envoyer par FTP</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel3.cpp" line="71"/>
        <location filename="../Project/Interface/MainPanel3.cpp" line="201"/>
        <source>Upload to Flickr</source>
        <translation>Envoyer vers Flickr</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel3.cpp" line="77"/>
        <source>Use selected folder as output destination</source>
        <translation>Utiliser le dossier sélectionné comme destination</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel3.cpp" line="78"/>
        <source>Recreate original folder structure in selected folder</source>
        <translation>Recréer l&apos;arborescence d&apos;origine dans le dossier sélectionné</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel3.cpp" line="79"/>
        <source>Use original photos&apos; folder as output destination</source>
        <translation>Utiliser le dossier des photos originales comme destination</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel3.cpp" line="80"/>
        <source>Create a subfolder in the original photos&apos; folder</source>
        <translation>Créer un sous-dossier dans le dossier des photos originales</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel3.cpp" line="225"/>
        <source>You have selected to write the resulting photos in the same folder where the originals reside.

If you&apos;d like to keep the originals but still write the resulting photos in the same folder, you need to change the processed photos&apos; name in Step2 &gt; Names</source>
        <translation>Vous avez choisi d&apos;écrire les photos obtenues dans le dossier où se trouvent les originaux.

Si vous souhaitez conserver les originaux tout en écrivant les photos obtenues dans ce même dossier, vous devez changer le nom des photos traitées dans Étape 2 &gt; Noms</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel3.cpp" line="274"/>
        <source>Select a folder for saving the resulting photos</source>
        <translation>Sélectionnez un dossier pour enregistrer les photos obtenues</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel3.cpp" line="308"/>
        <source>You have selected to delete the original photos after writing the processed ones. We advise you to backup the originals before using this option for the first time.</source>
        <translation>Vous avez choisi de supprimer les photos originales après l&apos;écriture des photos traitées. Nous vous conseillons de sauvegarder les originaux avant d&apos;utiliser cette option pour la première fois.</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel3.cpp" line="311"/>
        <source>This action will only delete the originals if the processed photos are correctly written.</source>
        <translation>Les originaux ne seront supprimés que si les photos traitées ont été correctement écrites.</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel3.cpp" line="314"/>
        <source>In case there are no filters selected the photos will actually be moved very fast and eventually renamed with no quality loss</source>
        <translation>Si aucun filtre n&apos;est sélectionné, les photos seront simplement déplacées très rapidement et, le cas échéant, renommées sans perte de qualité</translation>
    </message>
</context>
<context>
    <name>CProcessController</name>
    <message>
        <source>the server did not confirm that the name it was sent under was free</source>
        <translation>le serveur n&apos;a pas confirmé que le nom sous lequel elle a été envoyée était libre</translation>
    </message>
    <message>
        <source>Upload incomplete: %1 of %2 picture(s) sent.</source>
        <translation>Envoi incomplet&#xa0;: %1 image(s) sur %2 envoyée(s).</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CProcessController.ui" line="14"/>
        <source>Brandquill - Processing</source>
        <translation>Brandquill - Traitement</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CProcessController.ui" line="76"/>
        <location filename="../Project/Forms/CProcessController.ui" line="105"/>
        <source>ha</source>
        <translation>ha</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CProcessController.ui" line="169"/>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CProcessController.ui" line="179"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CProcessController.ui" line="202"/>
        <location filename="../Project/Processing/CProcessController.cpp" line="134"/>
        <source>Show log</source>
        <translation>Afficher le journal</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessController.cpp" line="126"/>
        <location filename="../Project/Processing/CProcessController.cpp" line="661"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessController.cpp" line="222"/>
        <source>Process started at %1</source>
        <translation>Traitement démarré à %1</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessController.cpp" line="223"/>
        <source>Processing %1 images with %2 graphical filter(s) per image.</source>
        <translation>Traitement de %1 images avec %2 filtre(s) graphique(s) par image.</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessController.cpp" line="228"/>
        <source>Creating a single multi-page document.</source>
        <translation>Création d&apos;un document unique de plusieurs pages.</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessController.cpp" line="230"/>
        <source>System: %1 CPU core(s) detected.</source>
        <translation>Système&#xa0;: %1 cœur(s) de processeur détecté(s).</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessController.cpp" line="231"/>
        <source>Launching %1 thread(s) of execution.</source>
        <translation>Lancement de %1 thread(s) d&apos;exécution.</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessController.cpp" line="243"/>
        <source>Failed to load</source>
        <translation>Échec du chargement</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessController.cpp" line="418"/>
        <source>Photo processing not completed. Abort the operation?</source>
        <translation>Le traitement des photos n&apos;est pas terminé. Abandonner l&apos;opération&#xa0;?</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessController.cpp" line="431"/>
        <source>Upload not completed. Abort the operation?</source>
        <translation>L&apos;envoi n&apos;est pas terminé. Abandonner l&apos;opération&#xa0;?</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessController.cpp" line="532"/>
        <source>Process interrupted by the user.</source>
        <translation>Traitement interrompu par l&apos;utilisateur.</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessController.cpp" line="536"/>
        <source>Warning: Process completed with %1 errors. For details see the log above.</source>
        <translation>Attention&#xa0;: traitement terminé avec %1 erreurs. Voir le journal ci-dessus pour les détails.</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessController.cpp" line="537"/>
        <source>Process completed without errors.</source>
        <translation>Traitement terminé sans erreur.</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessController.cpp" line="543"/>
        <source>Time elapsed</source>
        <translation>Temps écoulé</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessController.cpp" line="567"/>
        <source>Could not save log.</source>
        <translation>Impossible d&apos;enregistrer le journal.</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessController.cpp" line="577"/>
        <source>Temporary files kept in %1.</source>
        <translation>Fichiers temporaires conservés dans %1.</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessController.cpp" line="599"/>
        <source>Nothing to upload: the run produced no file to send.</source>
        <translation>Rien à envoyer : le traitement n&apos;a produit aucun fichier à envoyer.</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessController.cpp" line="633"/>
        <source>Uploading to </source>
        <translation>Envoi vers </translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessController.cpp" line="633"/>
        <source>Uploading to Flickr</source>
        <translation>Envoi vers Flickr</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessController.cpp" line="662"/>
        <source>Uploading</source>
        <translation>Envoi</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessController.cpp" line="700"/>
        <source>Successfuly uploaded %1 picture(s).<byte value="xd"/>
</source>
        <translation>%1 image(s) envoyée(s) avec succès.<byte value="xd"/>
</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessController.cpp" line="707"/>
        <source>Deleting temporary files...</source>
        <translation>Suppression des fichiers temporaires...</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessController.cpp" line="711"/>
        <source>Upload completed.</source>
        <translation>Envoi terminé.</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessController.cpp" line="711"/>
        <source>Upload failed.</source>
        <translation>Échec de l&apos;envoi.</translation>
    </message>
</context>
<context>
    <name>CProcessThread</name>
    <message>
        <source>Source kept</source>
        <translation>Source conservée</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessThread.cpp" line="157"/>
        <location filename="../Project/Processing/CProcessThread.cpp" line="342"/>
        <location filename="../Project/Processing/CProcessThread.cpp" line="424"/>
        <location filename="../Project/Processing/CProcessThreadCommit.cpp" line="46"/>
        <location filename="../Project/Processing/CProcessThreadPaths.cpp" line="366"/>
        <source>Failed to write</source>
        <translation>Échec de l&apos;écriture</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessThread.cpp" line="158"/>
        <source>the output folder is not a full path</source>
        <translation>le dossier de sortie n&apos;est pas un chemin complet</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessThread.cpp" line="261"/>
        <location filename="../Project/Processing/CProcessThreadLight.cpp" line="36"/>
        <source>Failed to load</source>
        <translation>Échec du chargement</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessThread.cpp" line="272"/>
        <source>not a regular file</source>
        <translation>pas un fichier ordinaire</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessThread.cpp" line="277"/>
        <source>the file is empty</source>
        <translation>le fichier est vide</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessThread.cpp" line="278"/>
        <source>not readable as an image</source>
        <translation>illisible en tant qu&apos;image</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessThread.cpp" line="303"/>
        <source>Failed to apply &apos;%1&apos; filter to</source>
        <translation>Échec de l&apos;application du filtre «&#xa0;%1&#xa0;» à</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessThread.cpp" line="371"/>
        <source>no writable image format has the extension &quot;%1&quot;</source>
        <translation>aucun format d&apos;image inscriptible n&apos;a l&apos;extension «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessThread.cpp" line="373"/>
        <source>the image library gave no reason</source>
        <translation>la bibliothèque d&apos;images n&apos;a donné aucune raison</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessThread.cpp" line="379"/>
        <location filename="../Project/Processing/CProcessThread.cpp" line="433"/>
        <source>Written from a damaged photo</source>
        <translation>Écrite à partir d&apos;une photo endommagée</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessThread.cpp" line="377"/>
        <source>Written without %1:</source>
        <translation>Écrite sans %1 :</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessThread.cpp" line="385"/>
        <source>Size limit of %1 KB not met, %2 bytes written at the lowest quality</source>
        <translation>Limite de %1 Ko non atteinte, %2 octets écrits à la qualité la plus basse</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessThread.cpp" line="392"/>
        <source>Not written by this run, left as it was</source>
        <translation>Non écrite par ce traitement, laissée telle quelle</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessThread.cpp" line="489"/>
        <source>Processed</source>
        <translation>Traitée</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessThread.cpp" line="491"/>
        <source>Processed and renamed</source>
        <translation>Traitée et renommée</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessThread.cpp" line="493"/>
        <source>Processed and replaced</source>
        <translation>Traitée et remplacée</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessThread.cpp" line="495"/>
        <source>Skipped</source>
        <translation>Ignorée</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessThread.cpp" line="564"/>
        <source>%1 to %2</source>
        <translation>%1 à %2</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessThreadLight.cpp" line="63"/>
        <source>Failed to Rename and Move</source>
        <translation>Échec du renommage et du déplacement</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessThreadLight.cpp" line="63"/>
        <source>Failed to Move</source>
        <translation>Échec du déplacement</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessThreadLight.cpp" line="64"/>
        <source>Failed to Rename and Copy</source>
        <translation>Échec du renommage et de la copie</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessThreadLight.cpp" line="64"/>
        <source>Failed to Copy</source>
        <translation>Échec de la copie</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessThreadLight.cpp" line="72"/>
        <source>Damaged photo copied, its source kept</source>
        <translation>Photo endommagée copiée, source conservée</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessThreadLight.cpp" line="74"/>
        <source>Copied, its source kept</source>
        <translation>Copiée, source conservée</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessThreadPaths.cpp" line="227"/>
        <source>Written as</source>
        <translation>Écrite sous le nom</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessThreadPaths.cpp" line="228"/>
        <source>the name was taken meanwhile</source>
        <translation>le nom a été pris entre-temps</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessThreadPaths.cpp" line="228"/>
        <source>the name was taken</source>
        <translation>le nom était pris</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessThreadPaths.cpp" line="366"/>
        <source>not a full path to a file</source>
        <translation>pas un chemin complet vers un fichier</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessController.cpp" line="745"/>
        <location filename="../Project/Processing/CProcessThread.cpp" line="466"/>
        <source>Source changed since it was read, left as it is</source>
        <translation>Source modifiée depuis sa lecture, laissée telle quelle</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessController.cpp" line="768"/>
        <location filename="../Project/Processing/CProcessThread.cpp" line="484"/>
        <source>Failed to delete the source</source>
        <translation>Échec de la suppression de la source</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessThread.cpp" line="412"/>
        <source>Put back as it was before a run that was cut short</source>
        <translation>Remis tel qu&apos;avant un traitement interrompu</translation>
    </message>
</context>
<context>
    <name>CScripts</name>
    <message>
        <location filename="../Project/Jobs/CScripts.cpp" line="31"/>
        <source>The project was created with a different program version so it may not be correctly imported.
In order to correct any potential problems adjust the settings and save.</source>
        <translation>Le projet a été créé avec une autre version du programme et risque de ne pas être importé correctement.
Pour corriger d&apos;éventuels problèmes, ajustez les paramètres et enregistrez.</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CScripts.cpp" line="46"/>
        <source>%1 &apos;%2&apos; is not a number: read as 0</source>
        <translation>%1 &apos;%2&apos; n&apos;est pas un nombre&#xa0;: lu comme 0</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CScripts.cpp" line="49"/>
        <source>%1 &apos;%2&apos; is not a whole number in its range: read as %3</source>
        <translation>%1 &apos;%2&apos; n&apos;est pas un nombre entier dans sa plage&#xa0;: lu comme %3</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CScripts.cpp" line="54"/>
        <source>The job file cannot be read.</source>
        <translation>Le fichier de travail ne peut pas être lu.</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CScripts.cpp" line="56"/>
        <source>The job file is larger than %1 MiB.</source>
        <translation>Le fichier de travail dépasse %1 Mio.</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CScripts.cpp" line="59"/>
        <source>The job file is not a well-formed XML document.</source>
        <translation>Le fichier de travail n&apos;est pas un document XML bien formé.</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CScripts.cpp" line="61"/>
        <source>The job file declares entities, which job files never hold.</source>
        <translation>Le fichier de travail déclare des entités, ce que les fichiers de travail ne contiennent jamais.</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CScripts.cpp" line="63"/>
        <source>The job file nests its elements more than %1 deep.</source>
        <translation>Le fichier de travail imbrique ses éléments sur plus de %1 niveaux.</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CScripts.cpp" line="66"/>
        <source>The job file holds more than %1 elements.</source>
        <translation>Le fichier de travail contient plus de %1 éléments.</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CScripts.cpp" line="80"/>
        <source>The job file holds more than %1 filters.</source>
        <translation>Le fichier de travail contient plus de %1 filtres.</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CScripts.cpp" line="83"/>
        <source>A filter of the job file holds more than %1 numbers or %2 texts.</source>
        <translation>Un filtre du fichier de travail contient plus de %1 nombres ou %2 textes.</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CScripts.cpp" line="88"/>
        <source>The job file holds more than %1 photos.</source>
        <translation>Le fichier de travail contient plus de %1 photos.</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CScripts.cpp" line="91"/>
        <source>The job file holds a text longer than %1 characters.</source>
        <translation>Le fichier de travail contient un texte de plus de %1 caractères.</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CScripts.cpp" line="138"/>
        <source>The job file does not hold exactly one list of photos.</source>
        <translation>Le fichier de travail ne contient pas exactement une liste de photos.</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CScripts.cpp" line="201"/>
        <source>The job file names a destination that Step 3 does not offer (%1). Folder on My Computer is used instead.</source>
        <translation>Le fichier de tâche indique une destination que l&apos;étape 3 ne propose pas (%1). « Dossier sur mon ordinateur » est utilisé à la place.</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CScripts.cpp" line="309"/>
        <source>Search &apos;%1&apos;: the folder &apos;%2&apos; does not exist or cannot be read</source>
        <translation>Recherche &apos;%1&apos;&#xa0;: le dossier &apos;%2&apos; n&apos;existe pas ou ne peut pas être lu</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CScripts.cpp" line="355"/>
        <source>Filter Id %1 is not known: left out</source>
        <translation>Id de filtre %1 inconnu&#xa0;: ignoré</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CScripts.cpp" line="365"/>
        <source>%1: Param Type &apos;%2&apos; is not known: left out</source>
        <translation>%1&#xa0;: Type de Param &apos;%2&apos; inconnu&#xa0;: ignoré</translation>
    </message>
    <message>
        <source>and %1 more like it</source>
        <translation>et %1 autres du même genre</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CScripts.cpp" line="52"/>
        <source>Search: the name of &apos;%1&apos; is not valid UTF-8: left untouched</source>
        <translation>Recherche&#xa0;: le nom de &apos;%1&apos; n&apos;est pas de l&apos;UTF-8 valide&#xa0;: laissé intact</translation>
    </message>
</context>
<context>
    <name>CSettings</name>
    <message>
        <location filename="../Project/Forms/CSettings.ui" line="26"/>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CSettings.ui" line="36"/>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CSettings.ui" line="62"/>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CSettings.ui" line="128"/>
        <source>Use multicore processors for speeding up image processing</source>
        <translation>Utiliser tous les cœurs du processeur</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CSettings.ui" line="135"/>
        <source>Create detailed log file with the processed images</source>
        <translation>Créer un journal détaillé des images traitées</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CSettings.ui" line="149"/>
        <source>Show profiles window at startup</source>
        <translation>Afficher la fenêtre des profils au démarrage</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CSettings.ui" line="156"/>
        <source>Show wizard window at startup</source>
        <translation>Afficher la fenêtre de l&apos;assistant au démarrage</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CSettings.ui" line="170"/>
        <source>Check for new versions at startup</source>
        <translation>Rechercher les nouvelles versions au démarrage</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CSettings.ui" line="182"/>
        <source>Frequency</source>
        <translation>Fréquence</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CSettings.ui" line="230"/>
        <source>Image Formats</source>
        <translation>Formats d&apos;image</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CSettings.ui" line="254"/>
        <source>Multipage Settings</source>
        <translation>Documents multipages</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CSettings.ui" line="261"/>
        <source>Layer Configuration</source>
        <translation>Calques</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CSettings.ui" line="295"/>
        <source>RAW Settings</source>
        <translation>Paramètres RAW</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CSettings.ui" line="304"/>
        <source>Demosaicing</source>
        <translation>Dématriçage</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CSettings.ui" line="333"/>
        <source>White Balance</source>
        <translation>Bal. blancs</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CSettings.ui" line="362"/>
        <source>Highlights</source>
        <translation>Hautes lum.</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CSettings.ui" line="423"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CSettings.ui" line="433"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CSettings.cpp" line="62"/>
        <source>Help with translation</source>
        <translation>Aider à la traduction</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CSettings.cpp" line="71"/>
        <source>Daily</source>
        <translation>Chaque jour</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CSettings.cpp" line="71"/>
        <source>Once a week</source>
        <translation>Une fois par semaine</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CSettings.cpp" line="71"/>
        <source>Every two weeks</source>
        <translation>Toutes les deux semaines</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CSettings.cpp" line="71"/>
        <source>Once a month</source>
        <translation>Une fois par mois</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CSettings.cpp" line="75"/>
        <source>default</source>
        <translation>par défaut</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CSettings.cpp" line="76"/>
        <source>Save each layer as a separate image (default)</source>
        <translation>Un calque par image (par défaut)</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CSettings.cpp" line="76"/>
        <source>Flatten all layers</source>
        <translation>Aplatir tous les calques</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CSettings.cpp" line="77"/>
        <source>Save the first layer only</source>
        <translation>Enregistrer uniquement le premier calque</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CSettings.cpp" line="80"/>
        <source>Auto, best algorithm for camera model</source>
        <translation>Auto, le meilleur pour l&apos;appareil</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CSettings.cpp" line="85"/>
        <source>Use camera&apos;s settings</source>
        <translation>Utiliser les réglages de l&apos;appareil</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CSettings.cpp" line="85"/>
        <source>Average the entire image</source>
        <translation>Moyenne sur toute l&apos;image</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CSettings.cpp" line="85"/>
        <source>Don&apos;t apply</source>
        <translation>Ne pas appliquer</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CSettings.cpp" line="87"/>
        <source>Clip all</source>
        <translation>Tout écrêter</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CSettings.cpp" line="88"/>
        <source>Leave unclipped</source>
        <translation>Ne pas écrêter</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CSettings.cpp" line="89"/>
        <source>Blend clipped and unclipped values</source>
        <translation>Mélanger valeurs écrêtées et non écrêtées</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CSettings.cpp" line="91"/>
        <source>Reconstruct</source>
        <translation>Reconstruire</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CSettings.cpp" line="127"/>
        <source>You need to restart Brandquill for the changes to take effect.</source>
        <translation>Vous devez redémarrer Brandquill pour que les modifications prennent effet.</translation>
    </message>
</context>
<context>
    <name>CTemporaryRecord</name>
    <message>
        <location filename="../Project/Core/TemporaryRecord.cpp" line="110"/>
        <source>Temporary files cannot be recorded in %1: %2. Those of a run killed now would be left behind.</source>
        <translation>Impossible d&apos;enregistrer les fichiers temporaires dans %1 : %2. Ceux d&apos;un traitement interrompu maintenant resteraient sur le disque.</translation>
    </message>
</context>
<context>
    <name>CUpload</name>
    <message>
        <source>Failed to upload %1: %2; the server may keep what it received</source>
        <translation>Échec de l&apos;envoi de %1&#xa0;: %2&#xa0;; le serveur peut conserver ce qu&apos;il a reçu</translation>
    </message>
    <message>
        <source>%1 not sent: the upload ended first</source>
        <translation>%1 non envoyé&#xa0;: l&apos;envoi s&apos;est terminé avant</translation>
    </message>
    <message>
        <source>%1 sent as %2, a name the server did not confirm free</source>
        <translation>%1 envoyé sous %2, un nom que le serveur n&apos;a pas confirmé libre</translation>
    </message>
    <message>
        <location filename="../Project/Network/CUpload.cpp" line="100"/>
        <source>Upload interrupted by the user.</source>
        <translation>Envoi interrompu par l&apos;utilisateur.</translation>
    </message>
    <message>
        <location filename="../Project/Network/CUpload.cpp" line="147"/>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <location filename="../Project/Network/CUpload.cpp" line="143"/>
        <source>Could not open default mail client.</source>
        <translation>Impossible d&apos;ouvrir le client de messagerie par défaut.</translation>
    </message>
    <message>
        <location filename="../Project/Network/CUpload.cpp" line="144"/>
        <source>The photos are kept in %1.</source>
        <translation>Les photos sont conservées dans %1.</translation>
    </message>
    <message>
        <location filename="../Project/Network/CUpload.cpp" line="145"/>
        <source>The message and its photos are kept in %1.</source>
        <translation>Le message et ses photos sont conservés dans %1.</translation>
    </message>
    <message>
        <location filename="../Project/Network/CUpload.cpp" line="177"/>
        <source>The message with %1 photo(s) was handed to the mail program.</source>
        <translation>Le message avec %1 photo(s) a été transmis au programme de messagerie.</translation>
    </message>
    <message>
        <location filename="../Project/Network/CUpload.cpp" line="180"/>
        <source>Success</source>
        <translation>Succès</translation>
    </message>
    <message>
        <location filename="../Project/Network/CUpload.cpp" line="181"/>
        <source>Files attached successfuly. We advise deleting the temporary files that Brandquill may have created in the process (be sure to do that only after you have finished sending your e-mail). Delete temporary files now?</source>
        <translation>Fichiers joints avec succès. Nous vous conseillons de supprimer les fichiers temporaires que Brandquill a pu créer (faites-le seulement après avoir envoyé votre e-mail). Supprimer les fichiers temporaires maintenant&#xa0;?</translation>
    </message>
    <message>
        <location filename="../Project/Network/CUploadFlickr.cpp" line="53"/>
        <source>Flickr upload is not available: this copy of Brandquill was built without a Flickr API key.</source>
        <translation>L&apos;envoi vers Flickr n&apos;est pas disponible&#xa0;: cette copie de Brandquill a été compilée sans clé d&apos;API Flickr.</translation>
    </message>
    <message>
        <location filename="../Project/Network/CUploadFlickr.cpp" line="133"/>
        <location filename="../Project/Network/CUploadFlickr.cpp" line="171"/>
        <location filename="../Project/Network/CUploadFlickr.cpp" line="186"/>
        <source>Flickr authorisation failed: %1</source>
        <translation>Échec de l&apos;autorisation Flickr&#xa0;: %1</translation>
    </message>
    <message>
        <location filename="../Project/Network/CUploadFlickr.cpp" line="152"/>
        <location filename="../Project/Network/CUploadFlickr.cpp" line="213"/>
        <location filename="../Project/Network/CUploadFlickr.cpp" line="219"/>
        <source>Failed to upload %1 to Flickr: %2</source>
        <translation>Échec de l&apos;envoi de %1 vers Flickr&#xa0;: %2</translation>
    </message>
    <message>
        <location filename="../Project/Network/CUploadFlickr.cpp" line="186"/>
        <source>the web browser could not be opened</source>
        <translation>le navigateur web n&apos;a pas pu être ouvert</translation>
    </message>
    <message>
        <location filename="../Project/Network/CUploadFlickr.cpp" line="192"/>
        <source>Flickr</source>
        <translation>Flickr</translation>
    </message>
    <message>
        <location filename="../Project/Network/CUploadFlickr.cpp" line="193"/>
        <source>Allow Brandquill to upload to your Flickr account in the browser window that has opened, then type the code that Flickr shows:</source>
        <translation>Autorisez Brandquill à envoyer vers votre compte Flickr dans la fenêtre du navigateur qui s&apos;est ouverte, puis saisissez le code affiché par Flickr&#xa0;:</translation>
    </message>
    <message>
        <location filename="../Project/Network/CUploadFlickr.cpp" line="201"/>
        <source>Flickr authorisation was cancelled.</source>
        <translation>L&apos;autorisation Flickr a été annulée.</translation>
    </message>
    <message>
        <location filename="../Project/Network/CUploadFlickr.cpp" line="214"/>
        <source>the name holds a line break</source>
        <translation>le nom contient un saut de ligne</translation>
    </message>
    <message>
        <location filename="../Project/Network/CUploadFtp.cpp" line="36"/>
        <location filename="../Project/Network/CUploadFtp.cpp" line="98"/>
        <location filename="../Project/Network/CUploadFtp.cpp" line="164"/>
        <source>Could not connect to %1: %2</source>
        <translation>Impossible de se connecter à %1&#xa0;: %2</translation>
    </message>
    <message>
        <location filename="../Project/Network/CUploadFtp.cpp" line="36"/>
        <source>not connected</source>
        <translation>non connecté</translation>
    </message>
    <message>
        <location filename="../Project/Network/CUploadFtp.cpp" line="105"/>
        <location filename="../Project/Network/CUploadFtp.cpp" line="167"/>
        <source>Login to %1 failed: %2</source>
        <translation>Échec de la connexion à %1&#xa0;: %2</translation>
    </message>
    <message>
        <location filename="../Project/Network/CUploadFtp.cpp" line="114"/>
        <location filename="../Project/Network/CUploadFtp.cpp" line="170"/>
        <source>Could not open the folder %1 on the server: %2</source>
        <translation>Impossible d&apos;ouvrir le dossier %1 sur le serveur&#xa0;: %2</translation>
    </message>
    <message>
        <location filename="../Project/Network/CUploadFtp.cpp" line="124"/>
        <location filename="../Project/Network/CUploadFtp.cpp" line="199"/>
        <source>Could not list the folder %1 on the server: %2</source>
        <translation>Impossible de lister le dossier %1 sur le serveur&#xa0;: %2</translation>
    </message>
    <message>
        <location filename="../Project/Network/CUploadFtp.cpp" line="132"/>
        <source>Could not check the names in the folder %1 on the server, so files there of the same name may be replaced: %2</source>
        <translation>Impossible de vérifier les noms du dossier %1 sur le serveur, les fichiers de même nom qui s&apos;y trouvent peuvent donc être remplacés&#xa0;: %2</translation>
    </message>
    <message>
        <location filename="../Project/Network/CUploadFtp.cpp" line="149"/>
        <source>%1 replaced %2 on the server</source>
        <translation>%1 a remplacé %2 sur le serveur</translation>
    </message>
    <message>
        <location filename="../Project/Network/CUploadFtp.cpp" line="124"/>
        <location filename="../Project/Network/CUploadFtp.cpp" line="143"/>
        <location filename="../Project/Network/CUploadFtp.cpp" line="176"/>
        <source>Failed to upload %1: %2</source>
        <translation>Échec de l&apos;envoi de %1&#xa0;: %2</translation>
    </message>
    <message>
        <location filename="../Project/Network/CUploadFtp.cpp" line="135"/>
        <source>%1 sent as %2: the name was taken</source>
        <translation>%1 envoyée sous le nom %2&#xa0;: le nom était pris</translation>
    </message>
    <message>
        <location filename="../Project/Network/CUpload.cpp" line="164"/>
        <source>%1 attached as %2: the name was taken</source>
        <translation>%1 jointe sous le nom %2&#xa0;: le nom était pris</translation>
    </message>
</context>
<context>
    <name>CWizardStart</name>
    <message>
        <location filename="../Project/Forms/CWizardStart.ui" line="14"/>
        <location filename="../Project/Forms/CWizardStart.ui" line="24"/>
        <source>Welcome to Brandquill</source>
        <translation>Bienvenue dans Brandquill</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CWizardStart.ui" line="30"/>
        <source>Brandquill edits many photos in one go. 1 Add Photos: add the photos you want to edit. 2 Edit Photos: choose text or logo marks, frames, shadow, crop, resize or rotate. 3 Setup: choose the output folder and image format. Then select Process.</source>
        <translation>Brandquill modifie de nombreuses photos en une seule fois. 1 Ajouter des photos&#xa0;: ajoutez les photos que vous voulez modifier. 2 Modifier les photos&#xa0;: choisissez des marques de texte ou de logo, des cadres, une ombre, un recadrage, un redimensionnement ou une rotation. 3 Configuration&#xa0;: choisissez le dossier de sortie et le format d&apos;image. Sélectionnez ensuite Traiter.</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CWizardStart.ui" line="45"/>
        <source>Take the Quick Tour</source>
        <translation>Faire la visite guidée</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CWizardStart.ui" line="83"/>
        <source>Show this wizard when Brandquill starts</source>
        <translation>Afficher cet assistant au démarrage de Brandquill</translation>
    </message>
    <message>
        <location filename="../Project/Dialogs/CWizardStart.cpp" line="54"/>
        <source>Batch photo processing</source>
        <translation>Traitement de photos par lots</translation>
    </message>
</context>
<context>
    <name>FilterBlank</name>
    <message>
        <location filename="../Project/Forms/FilterBlank.ui" line="23"/>
        <source>There are no settings for this filter</source>
        <translation>Ce filtre n&apos;a aucun paramètre</translation>
    </message>
</context>
<context>
    <name>FilterCrop</name>
    <message>
        <location filename="../Project/Forms/FilterCrop.ui" line="14"/>
        <source>Original image size:</source>
        <translation>Taille d&apos;origine&#xa0;:</translation>
    </message>
    <message>
        <location filename="../Project/Forms/FilterCrop.ui" line="19"/>
        <source>Crop</source>
        <translation>Recadrer</translation>
    </message>
    <message>
        <location filename="../Project/Forms/FilterCrop.ui" line="33"/>
        <source>Dimensions</source>
        <translation>Dimensions</translation>
    </message>
    <message>
        <location filename="../Project/Forms/FilterCrop.ui" line="49"/>
        <source>Left</source>
        <translation>Gauche</translation>
    </message>
    <message>
        <location filename="../Project/Forms/FilterCrop.ui" line="75"/>
        <source>Top</source>
        <translation>Haut</translation>
    </message>
    <message>
        <location filename="../Project/Forms/FilterCrop.ui" line="101"/>
        <source>Width</source>
        <translation>Largeur</translation>
    </message>
    <message>
        <location filename="../Project/Forms/FilterCrop.ui" line="127"/>
        <source>Height</source>
        <translation>Hauteur</translation>
    </message>
</context>
<context>
    <name>FilterRaise</name>
    <message>
        <location filename="../Project/Forms/FilterRaise.ui" line="14"/>
        <source>Border</source>
        <translation>Bordure</translation>
    </message>
    <message>
        <location filename="../Project/Forms/FilterRaise.ui" line="41"/>
        <source>Effect</source>
        <translation>Effet</translation>
    </message>
</context>
<context>
    <name>FilterSettings</name>
    <message>
        <location filename="../Project/Forms/FilterSettings.ui" line="43"/>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <location filename="../Project/Forms/FilterSettings.ui" line="128"/>
        <source>This is the watermark!</source>
        <translation>Voici le filigrane&#xa0;!</translation>
    </message>
    <message>
        <location filename="../Project/Forms/FilterSettings.ui" line="141"/>
        <source>Original</source>
        <translation>Original</translation>
    </message>
    <message>
        <location filename="../Project/Forms/FilterSettings.ui" line="219"/>
        <source>&amp;Show preview</source>
        <translation>&amp;Afficher l&apos;aperçu</translation>
    </message>
    <message>
        <location filename="../Project/Forms/FilterSettings.ui" line="386"/>
        <source>S&amp;witch View</source>
        <translation>&amp;Changer de vue</translation>
    </message>
    <message>
        <location filename="../Project/Forms/FilterSettings.ui" line="421"/>
        <source>Reset</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <location filename="../Project/Forms/FilterSettings.ui" line="465"/>
        <source>Ctrl+Z</source>
        <translation>Ctrl+Z</translation>
    </message>
    <message>
        <location filename="../Project/Forms/FilterSettings.ui" line="499"/>
        <source>Ctrl+Y</source>
        <translation>Ctrl+Y</translation>
    </message>
</context>
<context>
    <name>FilterShadow</name>
    <message>
        <location filename="../Project/Forms/FilterShadow.ui" line="14"/>
        <source>Transparency</source>
        <translation>Transparence</translation>
    </message>
    <message>
        <location filename="../Project/Forms/FilterShadow.ui" line="38"/>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <location filename="../Project/Forms/FilterShadow.ui" line="65"/>
        <source>Color</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <location filename="../Project/Forms/FilterShadow.ui" line="88"/>
        <source>Draw over a white background</source>
        <translation>Dessiner sur un fond blanc</translation>
    </message>
</context>
<context>
    <name>FilterSimpleBorder</name>
    <message>
        <location filename="../Project/Forms/FilterSimpleBorder.ui" line="17"/>
        <source>Color</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <location filename="../Project/Forms/FilterSimpleBorder.ui" line="42"/>
        <source>Dimensions</source>
        <translation>Dimensions</translation>
    </message>
    <message>
        <location filename="../Project/Forms/FilterSimpleBorder.ui" line="58"/>
        <source>Top</source>
        <translation>Haut</translation>
    </message>
    <message>
        <location filename="../Project/Forms/FilterSimpleBorder.ui" line="83"/>
        <source>Bottom</source>
        <translation>Bas</translation>
    </message>
    <message>
        <location filename="../Project/Forms/FilterSimpleBorder.ui" line="108"/>
        <source>Left</source>
        <translation>Gauche</translation>
    </message>
    <message>
        <location filename="../Project/Forms/FilterSimpleBorder.ui" line="133"/>
        <source>Right</source>
        <translation>Droite</translation>
    </message>
    <message>
        <location filename="../Project/Forms/FilterSimpleBorder.ui" line="155"/>
        <source>Use uniform dimensions</source>
        <translation>Dimensions uniformes</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="93"/>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="108"/>
        <source>Wi&amp;zard</source>
        <translation>Assis&amp;tant</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="120"/>
        <source>&amp;Help</source>
        <translation>Ai&amp;de</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="124"/>
        <source>&amp;Tutorials</source>
        <translation>&amp;Didacticiels</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="139"/>
        <source>&amp;Edit</source>
        <translation>&amp;Édition</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="148"/>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="161"/>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="169"/>
        <source>&amp;Load Profile</source>
        <translation>&amp;Charger un profil</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="172"/>
        <source>Ctrl+L</source>
        <translation>Ctrl+L</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="177"/>
        <source>Save Profile</source>
        <translation>Enregistrer le profil</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="182"/>
        <location filename="../Project/Interface/MainWindowJobFiles.cpp" line="311"/>
        <source>Save Profile As</source>
        <translation>Enregistrer le profil sous</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="187"/>
        <source>Save Script</source>
        <translation>Enregistrer le script</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="192"/>
        <location filename="../Project/Interface/MainWindowJobFiles.cpp" line="348"/>
        <source>Save Script As</source>
        <translation>Enregistrer le script sous</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="197"/>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="202"/>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="205"/>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="213"/>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="216"/>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="224"/>
        <source>&amp;Settings</source>
        <translation>&amp;Paramètres</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="229"/>
        <source>Show &amp;Log</source>
        <translation>Afficher le &amp;journal</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="234"/>
        <source>Select Pr&amp;ofile</source>
        <translation>Sélectionner un pr&amp;ofil</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="239"/>
        <source>Step 1 - Add &amp;Photos</source>
        <translation>Étape 1 - Ajouter des &amp;photos</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="247"/>
        <source>Step 2 - Edit P&amp;hotos</source>
        <translation>Étape 2 - &amp;Modifier les photos</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="255"/>
        <source>Step 3 - &amp;Setup</source>
        <translation>Étape 3 - &amp;Configuration</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="263"/>
        <location filename="../Project/Interface/MainWindowToolbar.cpp" line="56"/>
        <source>Process</source>
        <translation>Traiter</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="271"/>
        <source>&amp;Help Manual</source>
        <translation>&amp;Manuel d&apos;aide</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="276"/>
        <source>Check for &amp;New Version</source>
        <translation>Rechercher une &amp;nouvelle version</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="281"/>
        <source>&amp;Online Support</source>
        <translation>&amp;Assistance en ligne</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="286"/>
        <source>&amp;Visit Our Web Site</source>
        <translation>&amp;Visiter notre site Web</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="291"/>
        <source>&amp;About Us</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="296"/>
        <source>How to &amp;Resize and Rotate Photos</source>
        <translation>Comment &amp;redimensionner et faire pivoter des photos</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainWindow.cpp" line="291"/>
        <source>The settings could not be saved to %1. Changes to them will be lost.</source>
        <translation>Impossible d&apos;enregistrer les paramètres dans %1. Leurs modifications seront perdues.</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainWindow.cpp" line="388"/>
        <source>The log file will be created after the first processing session.</source>
        <translation>Le fichier journal sera créé après la première session de traitement.</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainWindowTheme.cpp" line="122"/>
        <source>You need to restart Brandquill for the changes to take effect.</source>
        <translation>Vous devez redémarrer Brandquill pour que les modifications prennent effet.</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainWindowToolbar.cpp" line="37"/>
        <source>Wizard Steps</source>
        <translation>Étapes de l&apos;assistant</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainWindowToolbar.cpp" line="56"/>
        <source>Add Photos</source>
        <translation>Ajouter des photos</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainWindowToolbar.cpp" line="56"/>
        <source>Edit Photos</source>
        <translation>Modifier les photos</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainWindowToolbar.cpp" line="56"/>
        <source>Setup</source>
        <translation>Configuration</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainWindowToolbar.cpp" line="66"/>
        <source>Step 1 - Add all the photos you want to edit</source>
        <translation>Étape 1 - Ajoutez toutes les photos que vous souhaitez modifier</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainWindowToolbar.cpp" line="68"/>
        <source>Step 2 - Set the graphic filters that will be applied on all selected photos</source>
        <translation>Étape 2 - Définissez les filtres graphiques qui seront appliqués à toutes les photos sélectionnées</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainWindowToolbar.cpp" line="69"/>
        <source>Step 3 - Select the output path and image format for the edited photos</source>
        <translation>Étape 3 - Sélectionnez le dossier de sortie et le format d&apos;image des photos modifiées</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainWindowToolbar.cpp" line="70"/>
        <source>When you are ready select Process to have all your photos edited</source>
        <translation>Lorsque vous êtes prêt, sélectionnez Traiter pour que toutes vos photos soient modifiées</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainWindowToolbar.cpp" line="74"/>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainWindowJobFiles.cpp" line="91"/>
        <source>Not everything in the job file could be read as written:</source>
        <translation>Le fichier de tâche n&apos;a pas pu être lu entièrement tel qu&apos;il est écrit&#xa0;:</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainWindowJobFiles.cpp" line="106"/>
        <source>Photos are being processed. The file was not opened:
%1</source>
        <translation>Des photos sont en cours de traitement. Le fichier n&apos;a pas été ouvert&#xa0;:
%1</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainWindowJobFiles.cpp" line="143"/>
        <source>Loading a profile will overwrite your settings. Continue?</source>
        <translation>Le chargement d&apos;un profil remplacera vos paramètres. Continuer&#xa0;?</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainWindowJobFiles.cpp" line="165"/>
        <source>Now just add your photos in Step 1 and optionally adjust the settings from Step 2 and Step 3 as you like.

When you are done select Process.</source>
        <translation>Il ne vous reste plus qu&apos;à ajouter vos photos à l&apos;étape 1 et, si vous le souhaitez, à ajuster les paramètres des étapes 2 et 3.

Lorsque vous avez terminé, sélectionnez Traiter.</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainWindowJobFiles.cpp" line="178"/>
        <source>Could not load profile.</source>
        <translation>Impossible de charger le profil.</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainWindowJobFiles.cpp" line="202"/>
        <source>Could not load script.</source>
        <translation>Impossible de charger le script.</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainWindowJobFiles.cpp" line="301"/>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 existe déjà.
Voulez-vous le remplacer&#xa0;?</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainWindowJobFiles.cpp" line="311"/>
        <source>Profile Files (*.bqf)</source>
        <translation>Fichiers de profil (*.bqf)</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainWindowJobFiles.cpp" line="333"/>
        <source>Could not save profile.</source>
        <translation>Impossible d&apos;enregistrer le profil.</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainWindowJobFiles.cpp" line="348"/>
        <source>Script Files (*.bqs)</source>
        <translation>Fichiers de script (*.bqs)</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainWindowJobFiles.cpp" line="362"/>
        <source>Could not save script.</source>
        <translation>Impossible d&apos;enregistrer le script.</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainWindowJobFiles.cpp" line="384"/>
        <source>Your settings will be discarded. Continue?</source>
        <translation>Vos paramètres seront abandonnés. Continuer&#xa0;?</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainWindowJobFiles.cpp" line="440"/>
        <source>Would you like to save your settings?</source>
        <translation>Voulez-vous enregistrer vos paramètres&#xa0;?</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainWindowRun.cpp" line="55"/>
        <source>There are no photos to process.</source>
        <translation>Il n&apos;y a aucune photo à traiter.</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainWindowRun.cpp" line="63"/>
        <source>Ready to process %1 photos?</source>
        <translation>Prêt à traiter %1 photos&#xa0;?</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainWindowRun.cpp" line="69"/>
        <source>An output folder, for the edited photos, needs to be selected before processing (Step 3 &gt; Destination &gt; Folder on My Computer)</source>
        <translation>Un dossier de sortie pour les photos modifiées doit être sélectionné avant le traitement (Étape 3 &gt; Destination &gt; Dossier sur mon ordinateur)</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainWindowRun.cpp" line="77"/>
        <source>The output folder is not a full path:
%1</source>
        <translation>Le dossier de sortie n&apos;est pas un chemin complet&#xa0;:
%1</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainWindowRun.cpp" line="85"/>
        <source>The output folder path names a file, not a folder:
%1</source>
        <translation>Le chemin du dossier de sortie désigne un fichier, pas un dossier :
%1</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainWindowRun.cpp" line="90"/>
        <source>The selected folder does not exist, do you want to create it now?</source>
        <translation>Le dossier sélectionné n&apos;existe pas, voulez-vous le créer maintenant&#xa0;?</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainWindowRun.cpp" line="96"/>
        <source>Could not create the output folder %1: %2.</source>
        <translation>Impossible de créer le dossier de sortie %1 : %2.</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainWindowRun.cpp" line="104"/>
        <source>You have selected to delete the source photos after writing the modified ones. Continue?</source>
        <translation>Vous avez choisi de supprimer les photos sources après l&apos;écriture des photos modifiées. Continuer&#xa0;?</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainWindowRun.cpp" line="116"/>
        <source>No photo was processed: the destination is not one that Step 3 offers. Choose one in Step 3 &gt; Destination.</source>
        <translation>Aucune photo n&apos;a été traitée : la destination ne fait pas partie de celles que propose l&apos;étape 3. Choisissez-en une dans Étape 3 &gt; Destination.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="15"/>
        <source>Annotates with a single or multi-line text comment</source>
        <translation>Ajoute un commentaire texte sur une ou plusieurs lignes</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="16"/>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="35"/>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="88"/>
        <source>Stamps picture with date and time information</source>
        <translation>Appose la date et l&apos;heure sur l&apos;image</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="17"/>
        <source>Adds a text copyright notice</source>
        <translation>Ajoute une mention de copyright en texte</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="18"/>
        <source>Adds a copyright logo</source>
        <translation>Ajoute un logo de copyright</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="19"/>
        <source>Adds a simple shaped frame</source>
        <translation>Ajoute un cadre de forme simple</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="20"/>
        <source>Adds a grunge frame</source>
        <translation>Ajoute un cadre grunge</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="21"/>
        <source>Adds different masks for portrait and landscape photos</source>
        <translation>Ajoute des masques différents pour les photos en portrait et en paysage</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="22"/>
        <source>Adds a classic picture frame</source>
        <translation>Ajoute un cadre photo classique</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="23"/>
        <source>Adds a vintage frame</source>
        <translation>Ajoute un cadre vintage</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="24"/>
        <source>Creates a Polaroid-like picture frame</source>
        <translation>Crée un cadre photo de style Polaroid</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="25"/>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="50"/>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="98"/>
        <source>Lightens or darkens image edges to give a 3D raised or lowered effect</source>
        <translation>Éclaircit ou assombrit les bords de l&apos;image pour un effet 3D en relief ou enfoncé</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="26"/>
        <source>Gives picture a shadow effect around the edges</source>
        <translation>Ajoute un effet d&apos;ombre sur les bords de l&apos;image</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="27"/>
        <source>Adds a simple border around the picture</source>
        <translation>Ajoute une bordure simple autour de l&apos;image</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="28"/>
        <source>Makes picture hazy in appearance</source>
        <translation>Donne à l&apos;image un aspect flou</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="29"/>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="44"/>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="94"/>
        <source>Transforms picture to a charcoal sketch</source>
        <translation>Transforme l&apos;image en dessin au fusain</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="30"/>
        <source>Highlights edges in picture</source>
        <translation>Fait ressortir les contours de l&apos;image</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="31"/>
        <source>Highlights edges in picture with a 3D effect</source>
        <translation>Fait ressortir les contours de l&apos;image avec un effet 3D</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="32"/>
        <source>Makes picture hazy in appearance using the gaussian blur algorithm</source>
        <translation>Donne à l&apos;image un aspect flou avec l&apos;algorithme de flou gaussien</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="33"/>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="42"/>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="95"/>
        <source>Transforms from true colors to grayscale colors</source>
        <translation>Convertit les couleurs vraies en niveaux de gris</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="34"/>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="46"/>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="96"/>
        <source>Creates an implosion effect in the center of the image</source>
        <translation>Crée un effet d&apos;implosion au centre de l&apos;image</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="35"/>
        <source>Replaces every pixel with its complementary color</source>
        <translation>Remplace chaque pixel par sa couleur complémentaire</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="36"/>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="38"/>
        <source>Adds noise to picture</source>
        <translation>Ajoute du bruit à l&apos;image</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="37"/>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="48"/>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="97"/>
        <source>Makes picture look like an oil painting</source>
        <translation>Donne à l&apos;image l&apos;aspect d&apos;une peinture à l&apos;huile</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="38"/>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="52"/>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="99"/>
        <source>Makes picture look older, in warmer colors</source>
        <translation>Vieillit l&apos;image avec des couleurs plus chaudes</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="39"/>
        <source>Makes picture look like the photographic film was exposed to light during the development process</source>
        <translation>Donne l&apos;impression que la pellicule a été exposée à la lumière pendant le développement</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="40"/>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="54"/>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="100"/>
        <source>Makes picture look like a sculpture in grayscale or true colors</source>
        <translation>Donne à l&apos;image l&apos;aspect d&apos;une sculpture en niveaux de gris ou en couleurs vraies</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="41"/>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="56"/>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="101"/>
        <source>Makes picture blurry by spreading pixels randomly</source>
        <translation>Rend l&apos;image floue en dispersant les pixels au hasard</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="42"/>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="58"/>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="102"/>
        <source>Creates a twisting motion</source>
        <translation>Crée un mouvement de torsion</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="43"/>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="60"/>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="103"/>
        <source>Creates a horizontal wave effect</source>
        <translation>Crée un effet d&apos;ondulation horizontale</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="44"/>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="30"/>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="89"/>
        <source>Automatically adjusts contrast</source>
        <translation>Règle automatiquement le contraste</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="45"/>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="104"/>
        <source>Automatically adjusts gamma level</source>
        <translation>Règle automatiquement le gamma</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="46"/>
        <source>Automatically adjusts color levels</source>
        <translation>Règle automatiquement les niveaux de couleur</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="47"/>
        <source>Adjusts light intensity</source>
        <translation>Règle l&apos;intensité lumineuse</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="48"/>
        <source>Enhances the intensity differences between the lighter and darker pixels</source>
        <translation>Accentue les différences d&apos;intensité entre les pixels clairs et sombres</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="49"/>
        <source>Adjusts the Red, Green and Blue color channels</source>
        <translation>Règle les canaux de couleur rouge, vert et bleu</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="50"/>
        <source>Applies a histogram equalization</source>
        <translation>Applique une égalisation d&apos;histogramme</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="51"/>
        <source>Corrects Hue, Saturation and Lightness</source>
        <translation>Corrige la teinte, la saturation et la luminosité</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="52"/>
        <source>Adjusts levels by scaling the colors falling between specified white and black points to the full available quantum range</source>
        <translation>Règle les niveaux en étirant les couleurs comprises entre les points blanc et noir indiqués sur toute la plage disponible</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="53"/>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="90"/>
        <source>Reduces noise caused by poor lighting conditions or mobile digital cameras</source>
        <translation>Réduit le bruit dû à un mauvais éclairage ou aux appareils photo de téléphones</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="54"/>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="40"/>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="91"/>
        <source>Sharpens picture by enhancing edge contrast</source>
        <translation>Rend l&apos;image plus nette en accentuant le contraste des contours</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="55"/>
        <source>Uses Radius and Threshold options to sharpen picture</source>
        <translation>Utilise les options Rayon et Seuil pour rendre l&apos;image plus nette</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="56"/>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="32"/>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="92"/>
        <source>Automatically rotates photos based on the information embedded by the digital camera</source>
        <translation>Fait pivoter automatiquement les photos d&apos;après les informations enregistrées par l&apos;appareil photo</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="57"/>
        <source>Automatically crops the image according to a specified aspect ratio</source>
        <translation>Recadre automatiquement l&apos;image selon des proportions indiquées</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="58"/>
        <source>Replaces a RGB color or the Alpha channel</source>
        <translation>Remplace une couleur RVB ou le canal alpha</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="59"/>
        <source>Cuts a rectangular subregion from the image</source>
        <translation>Découpe une zone rectangulaire de l&apos;image</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="60"/>
        <source>Flips picture in vertical and/or horizontal direction</source>
        <translation>Retourne l&apos;image verticalement et/ou horizontalement</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="61"/>
        <source>Adjusts image size using pixels or percents</source>
        <translation>Modifie la taille de l&apos;image en pixels ou en pourcentage</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="62"/>
        <source>Adjusts document size and DPI resolution</source>
        <translation>Règle la taille du document et la résolution en PPP</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="63"/>
        <source>Rolls vertically or horizontally by a specified number of pixels</source>
        <translation>Fait défiler l&apos;image verticalement ou horizontalement d&apos;un nombre de pixels indiqué</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="64"/>
        <source>Rotates by a specified number of degrees</source>
        <translation>Fait pivoter d&apos;un nombre de degrés indiqué</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="65"/>
        <source>Creates a small thumbnail from the picture</source>
        <translation>Crée une petite vignette de l&apos;image</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="66"/>
        <location filename="../Project/Interface/MainPanel2Names.cpp" line="45"/>
        <location filename="../Project/Interface/MainPanel3Format.cpp" line="13"/>
        <source>Keep original image format (if possible)</source>
        <translation>Conserver le format d&apos;origine (si possible)</translation>
    </message>
    <message>
        <location filename="../Project/Core/FiltersEnum.cpp" line="25"/>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <location filename="../Project/Core/FiltersEnum.cpp" line="26"/>
        <source>Logo</source>
        <translation>Logo</translation>
    </message>
    <message>
        <location filename="../Project/Core/FiltersEnum.cpp" line="27"/>
        <source>Shape Frame</source>
        <translation>Cadre de forme</translation>
    </message>
    <message>
        <location filename="../Project/Core/FiltersEnum.cpp" line="28"/>
        <source>Grunge Frame</source>
        <translation>Cadre grunge</translation>
    </message>
    <message>
        <location filename="../Project/Core/FiltersEnum.cpp" line="29"/>
        <source>Picture Frame</source>
        <translation>Cadre photo</translation>
    </message>
    <message>
        <location filename="../Project/Core/FiltersEnum.cpp" line="30"/>
        <source>Vintage Frame</source>
        <translation>Cadre vintage</translation>
    </message>
    <message>
        <location filename="../Project/Core/FiltersEnum.cpp" line="31"/>
        <source>Raise</source>
        <translation>Relief</translation>
    </message>
    <message>
        <location filename="../Project/Core/FiltersEnum.cpp" line="32"/>
        <source>Shadow</source>
        <translation>Ombre</translation>
    </message>
    <message>
        <location filename="../Project/Core/FiltersEnum.cpp" line="33"/>
        <source>Simple Border</source>
        <translation>Bordure simple</translation>
    </message>
    <message>
        <location filename="../Project/Core/FiltersEnum.cpp" line="34"/>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="31"/>
        <source>Auto Rotate</source>
        <translation>Rotation automatique</translation>
    </message>
    <message>
        <location filename="../Project/Core/FiltersEnum.cpp" line="35"/>
        <source>Crop</source>
        <translation>Recadrer</translation>
    </message>
    <message>
        <location filename="../Project/Core/FiltersEnum.cpp" line="36"/>
        <source>Resize</source>
        <translation>Redimensionner</translation>
    </message>
    <message>
        <location filename="../Project/Core/FiltersEnum.cpp" line="37"/>
        <source>Rotate</source>
        <translation>Rotation</translation>
    </message>
    <message>
        <location filename="../Project/Core/FiltersEnum.cpp" line="70"/>
        <source>Marks</source>
        <translation>Marques</translation>
    </message>
    <message>
        <location filename="../Project/Core/FiltersEnum.cpp" line="71"/>
        <source>Border</source>
        <translation>Bordure</translation>
    </message>
    <message>
        <location filename="../Project/Core/FiltersEnum.cpp" line="72"/>
        <source>Transform</source>
        <translation>Transformer</translation>
    </message>
    <message>
        <location filename="../Project/Engine/ImageInfoText.cpp" line="50"/>
        <source>Photo not found</source>
        <translation>Photo introuvable</translation>
    </message>
    <message>
        <location filename="../Project/Engine/ImageInfoText.cpp" line="59"/>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <location filename="../Project/Engine/ImageInfoText.cpp" line="60"/>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <location filename="../Project/Engine/ImageInfoText.cpp" line="61"/>
        <location filename="../Project/Processing/CDialogOverwrite.cpp" line="73"/>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <location filename="../Project/Engine/ImageInfoText.cpp" line="67"/>
        <source>Dimensions</source>
        <translation>Dimensions</translation>
    </message>
    <message>
        <location filename="../Project/Engine/ImageInfoText.cpp" line="70"/>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <location filename="../Project/Engine/ImageInfoText.cpp" line="72"/>
        <source>Camera</source>
        <translation>Appareil</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="17"/>
        <source>Convert to JPEG with High Quality</source>
        <translation>Convertir en JPEG haute qualité</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="18"/>
        <source>Convert to JPEG file format with high quality (90%) which will result in larger file sizes.</source>
        <translation>Convertir au format JPEG en haute qualité (90%), ce qui donne des fichiers plus volumineux.</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="20"/>
        <source>Convert to JPEG with Medium Quality</source>
        <translation>Convertir en JPEG qualité moyenne</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="21"/>
        <source>Convert to JPEG file format with medium quality (75%) which will result in medium file sizes.</source>
        <translation>Convertir au format JPEG en qualité moyenne (75%), ce qui donne des fichiers de taille moyenne.</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="23"/>
        <source>Convert to PDF Album</source>
        <translation>Convertir en album PDF</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="24"/>
        <source>Create a single PDF album from all the photos added</source>
        <translation>Créer un album PDF unique avec toutes les photos ajoutées</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="25"/>
        <source>Convert to PNG</source>
        <translation>Convertir en PNG</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="26"/>
        <source>Convert to PNG file format for the best quality.</source>
        <translation>Convertir au format PNG pour une qualité optimale.</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="27"/>
        <source>Convert to TIFF</source>
        <translation>Convertir en TIFF</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="28"/>
        <source>Convert to TIFF file format for the best quality.</source>
        <translation>Convertir au format TIFF pour une qualité optimale.</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="29"/>
        <source>Auto Contrast</source>
        <translation>Contraste automatique</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="34"/>
        <source>Add Date and Time</source>
        <translation>Ajouter la date et l&apos;heure</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="36"/>
        <source>Reduce Noise</source>
        <translation>Réduire le bruit</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="39"/>
        <source>Adjust Sharpness</source>
        <translation>Régler la netteté</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="41"/>
        <source>Effect Black &amp; White</source>
        <translation>Effet noir et blanc</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="43"/>
        <source>Effect Charcoal</source>
        <translation>Effet fusain</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="45"/>
        <source>Effect Implode</source>
        <translation>Effet implosion</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="47"/>
        <source>Effect Oil Painting</source>
        <translation>Effet peinture à l&apos;huile</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="49"/>
        <source>Effect Raise</source>
        <translation>Effet relief</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="51"/>
        <source>Effect Sepia</source>
        <translation>Effet sépia</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="53"/>
        <source>Effect Shade</source>
        <translation>Effet ombrage</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="55"/>
        <source>Effect Spread</source>
        <translation>Effet dispersion</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="57"/>
        <source>Effect Swirl</source>
        <translation>Effet tourbillon</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="59"/>
        <source>Effect Wave</source>
        <translation>Effet vague</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="61"/>
        <source>Rename to Folder&apos;s Name</source>
        <translation>Renommer selon le dossier</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="62"/>
        <source>If photos are organized into a folder with a meaningful name, this profile will rename all contained pictures to the folder&apos;s name</source>
        <translation>Si les photos sont rangées dans un dossier au nom explicite, ce profil renomme toutes les images qu&apos;il contient d&apos;après le nom du dossier</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="64"/>
        <source>Rename to Photo&apos;s Date</source>
        <translation>Renommer selon la date</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="65"/>
        <source>Change the names for a set of photos to the original dates when they were taken and also adds a counter to differentiate between photos taken at the same time</source>
        <translation>Renomme un ensemble de photos d&apos;après leur date de prise de vue et ajoute un compteur pour distinguer les photos prises au même moment</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="68"/>
        <source>Resize for Auction Site</source>
        <translation>Redimensionner pour site d&apos;enchères</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="69"/>
        <source>Make photos very small (400x300) for uploading to auction sites like eBay</source>
        <translation>Réduire fortement les photos (400x300) pour les envoyer sur des sites d&apos;enchères comme eBay</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="70"/>
        <source>Resize for Sending via Email</source>
        <translation>Redimensionner pour l&apos;envoi par e-mail</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="71"/>
        <source>Make photos smaller (1280x960) for sending as attachment via email</source>
        <translation>Réduire les photos (1280x960) pour les envoyer en pièce jointe par e-mail</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="72"/>
        <source>Resize for Uploading Online</source>
        <translation>Redimensionner pour la publication en ligne</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="73"/>
        <source>Make photos smaller (1600x1200) for uploading online to sites like Facebook, Picasa, or for sharing with friends</source>
        <translation>Réduire les photos (1600x1200) pour les publier sur des sites comme Facebook, Picasa, ou les partager avec vos amis</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="75"/>
        <source>Send via E-mail</source>
        <translation>Envoyer par e-mail</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="76"/>
        <source>Send photos via E-mail</source>
        <translation>Envoyer les photos par e-mail</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="77"/>
        <source>Upload to Twitpic</source>
        <translation>Envoyer vers Twitpic</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="78"/>
        <source>Upload photos to Twitpic</source>
        <translation>Envoyer les photos vers Twitpic</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="79"/>
        <source>Upload to Picasa</source>
        <translation>Envoyer vers Picasa</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="80"/>
        <source>Upload photos to Picasa</source>
        <translation>Envoyer les photos vers Picasa</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="81"/>
        <source>Upload to Facebook</source>
        <translation>Envoyer vers Facebook</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="82"/>
        <source>Upload photos to Facebook</source>
        <translation>Envoyer les photos vers Facebook</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="87"/>
        <source>Auto Gamma</source>
        <translation>Gamma automatique</translation>
    </message>
</context>
<context>
    <name>TempFolder</name>
    <message>
        <location filename="../Project/Core/TempFolder.cpp" line="69"/>
        <source>%1 does not exist</source>
        <translation>%1 n&apos;existe pas</translation>
    </message>
    <message>
        <location filename="../Project/Core/TempFolder.cpp" line="32"/>
        <location filename="../Project/Core/TempFolder.cpp" line="93"/>
        <source>cannot create %1: %2</source>
        <translation>impossible de créer %1&#xa0;: %2</translation>
    </message>
    <message>
        <location filename="../Project/Core/TempFolder.cpp" line="37"/>
        <source>cannot examine %1: %2</source>
        <translation>impossible d&apos;examiner %1&#xa0;: %2</translation>
    </message>
    <message>
        <location filename="../Project/Core/TempFolder.cpp" line="40"/>
        <source>%1 is a symbolic link</source>
        <translation>%1 est un lien symbolique</translation>
    </message>
    <message>
        <location filename="../Project/Core/TempFolder.cpp" line="42"/>
        <source>%1 is not a folder</source>
        <translation>%1 n&apos;est pas un dossier</translation>
    </message>
    <message>
        <location filename="../Project/Core/TempFolder.cpp" line="44"/>
        <source>%1 belongs to another user</source>
        <translation>%1 appartient à un autre utilisateur</translation>
    </message>
    <message>
        <location filename="../Project/Core/TempFolder.cpp" line="46"/>
        <source>cannot restrict %1: %2</source>
        <translation>impossible de restreindre les droits de %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>Utils</name>
    <message>
        <location filename="../Project/Core/Utils.cpp" line="255"/>
        <source>Nothing could open %1. Please open it yourself.</source>
        <translation>Aucun programme n&apos;a pu ouvrir %1. Veuillez l&apos;ouvrir vous-même.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <location filename="../Project/Interface/main.cpp" line="20"/>
        <source>A display is needed (DISPLAY or WAYLAND_DISPLAY); without one, give a script to run: brandquill /path/to/job.bqs</source>
        <translation>Un affichage est nécessaire (DISPLAY ou WAYLAND_DISPLAY) ; sans affichage, indiquez un script à exécuter : brandquill /chemin/vers/tache.bqs</translation>
    </message>
    <message>
        <location filename="../Project/Interface/main.cpp" line="22"/>
        <source>The display %1 could not be opened, and the window needs one; without it, give a script to run: brandquill /path/to/job.bqs</source>
        <translation>L&apos;affichage %1 n&apos;a pas pu être ouvert, et la fenêtre en a besoin ; sans affichage, indiquez un script à exécuter : brandquill /chemin/vers/tache.bqs</translation>
    </message>
</context>
</TS>
