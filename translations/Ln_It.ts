<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>CCheckNew</name>
    <message>
        <location filename="../Project/Forms/CCheckNew.ui" line="14"/>
        <source>Check for New Version</source>
        <translation>Cerca nuova versione</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CCheckNew.ui" line="61"/>
        <source>Download</source>
        <translation>Scarica</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CCheckNew.ui" line="68"/>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <location filename="../Project/Network/CCheckNew.cpp" line="191"/>
        <source>Brandquill will now look for a newer version on the Internet. You can change how often it checks, or turn the check off, in Settings.</source>
        <translation>Brandquill cercherà ora una versione più recente su Internet. Può modificare la frequenza del controllo, o disattivarlo, nelle Impostazioni.</translation>
    </message>
    <message>
        <location filename="../Project/Network/CCheckNew.cpp" line="246"/>
        <source>A new version of Brandquill is available: %1.
You are using version %2.</source>
        <translation>È disponibile una nuova versione di Brandquill: %1.
Sta usando la versione %2.</translation>
    </message>
    <message>
        <location filename="../Project/Network/CCheckNew.cpp" line="249"/>
        <source>You are using the latest version of Brandquill (%1).</source>
        <translation>Sta usando la versione più recente di Brandquill (%1).</translation>
    </message>
    <message>
        <location filename="../Project/Network/CCheckNew.cpp" line="259"/>
        <source>Could not check for a new version. Please try again later.</source>
        <translation>Impossibile cercare una nuova versione. Riprovi più tardi.</translation>
    </message>
</context>
<context>
    <name>CControlImage</name>
    <message>
        <location filename="../Project/Views/ControlImage.cpp" line="356"/>
        <source>This photo cannot be read.</source>
        <translation>Impossibile leggere questa foto.</translation>
    </message>
</context>
<context>
    <name>CControlImageThread</name>
    <message>
        <location filename="../Project/Views/ControlImageThread.cpp" line="399"/>
        <source>Loading</source>
        <translation>Caricamento</translation>
    </message>
    <message>
        <location filename="../Project/Views/ControlImageThread.cpp" line="432"/>
        <source>Applying &apos;%1&apos; filter</source>
        <translation>Applicazione del filtro &apos;%1&apos;</translation>
    </message>
    <message>
        <location filename="../Project/Views/ControlImageThread.cpp" line="486"/>
        <source>Zooming</source>
        <translation>Zoom in corso</translation>
    </message>
</context>
<context>
    <name>CDialogAbout</name>
    <message>
        <location filename="../Project/Forms/CDialogAbout.ui" line="14"/>
        <source>About Brandquill</source>
        <translation>Informazioni su Brandquill</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogAbout.ui" line="66"/>
        <source>Version %1</source>
        <translation>Versione %1</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogAbout.ui" line="79"/>
        <source>Batch photo editing in three steps: add your photos, choose the edits, process them all at once.</source>
        <translation>Modifica di foto in serie in tre passaggi: aggiunga le foto, scelga le modifiche, le elabori tutte insieme.</translation>
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
        <translation>Seleziona filtro</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogFilterSelection.ui" line="55"/>
        <source>All Filters</source>
        <translation>Tutti i filtri</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogFilterSelection.ui" line="80"/>
        <source>Marks</source>
        <translation>Marchi</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogFilterSelection.ui" line="105"/>
        <source>Decorate</source>
        <translation>Decorazioni</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogFilterSelection.ui" line="130"/>
        <source>Transform</source>
        <translation>Trasforma</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogFilterSelection.ui" line="189"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogFilterSelection.ui" line="199"/>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <location filename="../Project/Filters/DialogFilterSelection.cpp" line="141"/>
        <source>No filter selected</source>
        <translation>Nessun filtro selezionato</translation>
    </message>
</context>
<context>
    <name>CDialogFont</name>
    <message>
        <location filename="../Project/Forms/CDialogFont.ui" line="10"/>
        <location filename="../Project/Forms/CDialogFont.ui" line="21"/>
        <source>Font</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogFont.ui" line="35"/>
        <source>Size</source>
        <translation>Corpo</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogFont.ui" line="57"/>
        <source>Bold</source>
        <translation>Grassetto</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogFont.ui" line="63"/>
        <source>Italic</source>
        <translation>Corsivo</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogFont.ui" line="68"/>
        <source>Underline</source>
        <translation>Sottolineato</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogFont.ui" line="73"/>
        <source>Strike Out</source>
        <translation>Barrato</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogFont.ui" line="110"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogFont.ui" line="116"/>
        <source>Cancel</source>
        <translation>Annulla</translation>
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
        <translation>Per leggere questo tipo di documento è necessario Ghostscript, che non è stato trovato.</translation>
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
        <translation>Sovrascrivere?</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogOverwrite.ui" line="216"/>
        <source>Y&amp;es</source>
        <translation>&amp;Sì</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogOverwrite.ui" line="226"/>
        <source>N&amp;o</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogOverwrite.ui" line="236"/>
        <source>&amp;Rename</source>
        <translation>&amp;Rinomina</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogOverwrite.ui" line="250"/>
        <source>&amp;Yes to All</source>
        <translation>Sì a &amp;tutti</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogOverwrite.ui" line="260"/>
        <source>&amp;No to All</source>
        <translation>N&amp;o a tutti</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogOverwrite.ui" line="270"/>
        <source>&amp;Abort</source>
        <translation>&amp;Interrompi</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CDialogOverwrite.cpp" line="84"/>
        <source>Image %1
already exists, do you want to overwrite it?</source>
        <translation>L&apos;immagine %1
esiste già. Desidera sovrascriverla?</translation>
    </message>
</context>
<context>
    <name>CDialogOverwriteRename</name>
    <message>
        <location filename="../Project/Forms/CDialogOverwriteRename.ui" line="14"/>
        <source>Rename Photo</source>
        <translation>Rinomina foto</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogOverwriteRename.ui" line="22"/>
        <source>New name:</source>
        <translation>Nuovo nome:</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogOverwriteRename.ui" line="56"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogOverwriteRename.ui" line="66"/>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CDialogOverwriteRename.cpp" line="70"/>
        <source>A photo with the same name already exists</source>
        <translation>Esiste già una foto con lo stesso nome</translation>
    </message>
</context>
<context>
    <name>CDialogProfileSave</name>
    <message>
        <location filename="../Project/Forms/CDialogProfileSave.ui" line="26"/>
        <source>Profile&apos;s Properties</source>
        <translation>Proprietà del profilo</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogProfileSave.ui" line="35"/>
        <source>Specify a name and description for this profile</source>
        <translation>Specifichi un nome e una descrizione per questo profilo</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogProfileSave.ui" line="53"/>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogProfileSave.ui" line="73"/>
        <source>Description</source>
        <translation>Descrizione</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogProfileSave.ui" line="107"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogProfileSave.ui" line="117"/>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CDialogProfileSave.cpp" line="43"/>
        <source>Please specify a name for the new profile</source>
        <translation>Specifichi un nome per il nuovo profilo</translation>
    </message>
</context>
<context>
    <name>CDialogProfileSelection</name>
    <message>
        <location filename="../Project/Forms/CDialogProfileSelection.ui" line="26"/>
        <source>Profiles</source>
        <translation>Profili</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogProfileSelection.ui" line="49"/>
        <location filename="../Project/Jobs/CDialogProfileSelection.cpp" line="45"/>
        <source>All Profiles</source>
        <translation>Tutti i profili</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogProfileSelection.ui" line="74"/>
        <location filename="../Project/Jobs/CDialogProfileSelection.cpp" line="46"/>
        <source>My Profiles</source>
        <translation>I miei profili</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogProfileSelection.ui" line="99"/>
        <location filename="../Project/Jobs/CDialogProfileSelection.cpp" line="47"/>
        <source>Edit</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogProfileSelection.ui" line="124"/>
        <location filename="../Project/Jobs/CDialogProfileSelection.cpp" line="48"/>
        <source>Output</source>
        <translation>Uscita</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogProfileSelection.ui" line="186"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogProfileSelection.ui" line="196"/>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CDialogProfileSelection.cpp" line="237"/>
        <source>No profile selected</source>
        <translation>Nessun profilo selezionato</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CDialogProfileSelection.cpp" line="286"/>
        <source>&amp;Edit</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CDialogProfileSelection.cpp" line="287"/>
        <source>&amp;Remove</source>
        <translation>&amp;Rimuovi</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CDialogProfileSelection.cpp" line="309"/>
        <source>Could not change the profile.</source>
        <translation>Impossibile modificare il profilo.</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CDialogProfileSelection.cpp" line="321"/>
        <source>Are you sure you want to delete this profile?</source>
        <translation>Eliminare davvero questo profilo?</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CDialogProfileSelection.cpp" line="326"/>
        <source>Could not delete the profile.</source>
        <translation>Impossibile eliminare il profilo.</translation>
    </message>
</context>
<context>
    <name>CDialogRename</name>
    <message>
        <location filename="../Project/Forms/CDialogRename.ui" line="20"/>
        <source>Edit Names</source>
        <translation>Modifica nomi</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogRename.ui" line="49"/>
        <source>Keywords</source>
        <translation>Parole chiave</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogRename.ui" line="98"/>
        <source>Preview</source>
        <translation>Anteprima</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogRename.ui" line="123"/>
        <source>Cases</source>
        <translation>Maiuscole/minuscole</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogRename.ui" line="144"/>
        <source>Change cases to</source>
        <translation>Converti in</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogRename.ui" line="152"/>
        <source>Unchanged</source>
        <translation>Invariato</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogRename.ui" line="157"/>
        <source>lowercases</source>
        <translation>minuscole</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogRename.ui" line="162"/>
        <source>UPPERCASES</source>
        <translation>MAIUSCOLE</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogRename.ui" line="167"/>
        <source>Mixed Cases</source>
        <translation>Iniziali Maiuscole</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogRename.ui" line="188"/>
        <source>Use lower-case for extensions</source>
        <translation>Usa minuscole per le estensioni</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogRename.ui" line="201"/>
        <location filename="../Project/Processing/CDialogRename.cpp" line="266"/>
        <source>Counter</source>
        <translation>Contatore</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogRename.ui" line="222"/>
        <source>Start at</source>
        <translation>Inizia da</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogRename.ui" line="242"/>
        <source>Step by</source>
        <translation>Incremento</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogRename.ui" line="262"/>
        <source>Digits</source>
        <translation>Cifre</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogRename.ui" line="285"/>
        <location filename="../Project/Processing/CDialogRename.cpp" line="267"/>
        <source>Date/Time</source>
        <translation>Data/ora</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogRename.ui" line="306"/>
        <source>Use</source>
        <translation>Usa</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogRename.ui" line="314"/>
        <source>Original photo date</source>
        <translation>Data originale della foto</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogRename.ui" line="319"/>
        <source>Current date</source>
        <translation>Data corrente</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogRename.ui" line="327"/>
        <source>Date format</source>
        <translation>Formato data</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogRename.ui" line="398"/>
        <source>Time format</source>
        <translation>Formato ora</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogRename.ui" line="424"/>
        <source>Show time as</source>
        <translation>Mostra l&apos;ora come</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogRename.ui" line="448"/>
        <source>Search &amp;&amp; Replace</source>
        <translation>Cerca &amp;&amp; sostituisci</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogRename.ui" line="469"/>
        <source>Search for</source>
        <translation>Cerca</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogRename.ui" line="480"/>
        <source>Replace with</source>
        <translation>Sostituisci con</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogRename.ui" line="509"/>
        <source>Reset</source>
        <translation>Ripristina</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogRename.ui" line="529"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogRename.ui" line="539"/>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CDialogRename.cpp" line="263"/>
        <source>Source Filename</source>
        <translation>Nome file di origine</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CDialogRename.cpp" line="264"/>
        <source>Source Folder Name</source>
        <translation>Nome cartella di origine</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CDialogRename.cpp" line="265"/>
        <source>Source Extension</source>
        <translation>Estensione di origine</translation>
    </message>
</context>
<context>
    <name>CDialogSaveProject</name>
    <message>
        <location filename="../Project/Forms/CDialogSaveProject.ui" line="14"/>
        <source>Save Settings</source>
        <translation>Salva impostazioni</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogSaveProject.ui" line="32"/>
        <source>Your settings have changed. Would you like to save them as a profile before Brandquill closes?</source>
        <translation>Le impostazioni sono cambiate. Desidera salvarle come profilo prima della chiusura di Brandquill?</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogSaveProject.ui" line="60"/>
        <source>Don&apos;t ask me again</source>
        <translation>Non chiedere più</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogSaveProject.ui" line="80"/>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogSaveProject.ui" line="90"/>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogSaveProject.ui" line="100"/>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>CDialogSearch</name>
    <message>
        <location filename="../Project/Forms/CDialogSearch.ui" line="14"/>
        <source>Search and Add</source>
        <translation>Cerca e aggiungi</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogSearch.ui" line="25"/>
        <source>Folder:</source>
        <translation>Cartella:</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogSearch.ui" line="45"/>
        <source>Browse...</source>
        <translation>Sfoglia...</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogSearch.ui" line="55"/>
        <source>File mask:</source>
        <translation>Maschera file:</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogSearch.ui" line="115"/>
        <source>Search in subfolders</source>
        <translation>Cerca nelle sottocartelle</translation>
    </message>
</context>
<context>
    <name>CDialogSocial</name>
    <message>
        <location filename="../Project/Forms/CDialogSocial.ui" line="14"/>
        <source>Share Brandquill</source>
        <translation>Condividi Brandquill</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogSocial.ui" line="26"/>
        <source>Enjoying Brandquill? Tell your friends about it.</source>
        <translation>Le piace Brandquill? Ne parli ai suoi amici.</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogSocial.ui" line="57"/>
        <source>E-mail a Friend</source>
        <translation>Invia a un amico</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogSocial.ui" line="82"/>
        <source>Copy Link</source>
        <translation>Copia link</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogSocial.ui" line="107"/>
        <source>Visit Web Site</source>
        <translation>Visita il sito web</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogSocial.ui" line="143"/>
        <source>Don&apos;t show this again</source>
        <translation>Non mostrare più</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogSocial.ui" line="163"/>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <location filename="../Project/Dialogs/CDialogSocial.cpp" line="46"/>
        <source>Try Brandquill</source>
        <translation>Provi Brandquill</translation>
    </message>
    <message>
        <location filename="../Project/Dialogs/CDialogSocial.cpp" line="48"/>
        <source>I edit many photos at once with Brandquill: %1</source>
        <translation>Modifico molte foto insieme con Brandquill: %1</translation>
    </message>
</context>
<context>
    <name>CDialogTip</name>
    <message>
        <location filename="../Project/Forms/CDialogTip.ui" line="26"/>
        <source>Tip</source>
        <translation>Suggerimento</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogTip.ui" line="92"/>
        <source>Tip text</source>
        <translation>Testo del suggerimento</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogTip.ui" line="123"/>
        <source>Don&apos;t show this tip again</source>
        <translation>Non mostrare più questo suggerimento</translation>
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
        <translation>File non supportati</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CDialogUnsupportedFormat.ui" line="23"/>
        <source>These files were not added because Brandquill cannot read their format:</source>
        <translation>Questi file non sono stati aggiunti perché Brandquill non è in grado di leggerne il formato:</translation>
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
        <translation>Dimensioni originali:</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterCrop.cpp" line="33"/>
        <source>in Pixels</source>
        <translation>in pixel</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterCrop.cpp" line="33"/>
        <source>in Percents</source>
        <translation>in percentuale</translation>
    </message>
</context>
<context>
    <name>CFilterGrungeFrame</name>
    <message>
        <location filename="../Project/Forms/CFilterGrungeFrame.ui" line="14"/>
        <source>Frame</source>
        <translation>Cornice</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterGrungeFrame.ui" line="30"/>
        <source>Background</source>
        <translation>Sfondo</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterGrungeFrame.ui" line="52"/>
        <source>Draw over a transparent background</source>
        <translation>Disegna su sfondo trasparente</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterGrungeFrame.ui" line="57"/>
        <source>Apply random frame</source>
        <translation>Applica cornice casuale</translation>
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
        <translation>Percorso del logo</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterLogo.ui" line="130"/>
        <source>Browse</source>
        <translation>Sfoglia</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterLogo.ui" line="154"/>
        <location filename="../Project/Forms/CFilterLogo.ui" line="181"/>
        <source>Placement</source>
        <translation>Posizione</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterLogo.ui" line="233"/>
        <source>Delta X (px)</source>
        <translation>Δ X (px)</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterLogo.ui" line="291"/>
        <source>Delta Y (px)</source>
        <translation>Δ Y (px)</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterLogo.ui" line="349"/>
        <source>Tile</source>
        <translation>Affianca</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterLogo.ui" line="373"/>
        <source>Offset X</source>
        <translation>Scost. X</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterLogo.ui" line="415"/>
        <source>Offset Y</source>
        <translation>Scost. Y</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterLogo.ui" line="457"/>
        <source>Transformation</source>
        <translation>Trasformazione</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterLogo.ui" line="484"/>
        <location filename="../Project/Forms/CFilterLogo.ui" line="895"/>
        <location filename="../Project/Forms/CFilterLogo.ui" line="1117"/>
        <source>Alpha (%)</source>
        <translation>Trasparenza (%)</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterLogo.ui" line="542"/>
        <source>Scale (%)</source>
        <translation>Scala (%)</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterLogo.ui" line="600"/>
        <location filename="../Project/Forms/CFilterLogo.ui" line="1315"/>
        <source>Blur</source>
        <translation>Sfocatura</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterLogo.ui" line="642"/>
        <source>Rotation (°)</source>
        <translation>Angolo (°)</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterLogo.ui" line="756"/>
        <source>More</source>
        <translation>Altro</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterLogo.ui" line="789"/>
        <source>Stroke</source>
        <translation>Contorno</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterLogo.ui" line="816"/>
        <source>Enable Stroke</source>
        <translation>Attiva contorno</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterLogo.ui" line="840"/>
        <location filename="../Project/Forms/CFilterLogo.ui" line="1062"/>
        <source>Color</source>
        <translation>Colore</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterLogo.ui" line="953"/>
        <source>Width</source>
        <translation>Spessore</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterLogo.ui" line="1011"/>
        <source>Shadow</source>
        <translation>Ombra</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterLogo.ui" line="1038"/>
        <source>Draw Shadow</source>
        <translation>Disegna ombra</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterLogo.ui" line="1175"/>
        <source>Distance</source>
        <translation>Distanza</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterLogo.ui" line="1217"/>
        <source>Angle</source>
        <translation>Angolo</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterLogo.cpp" line="41"/>
        <source>Top-Left</source>
        <translation>Alto sinistra</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterLogo.cpp" line="41"/>
        <source>Top-Center</source>
        <translation>Alto centro</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterLogo.cpp" line="41"/>
        <source>Top-Right</source>
        <translation>Alto destra</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterLogo.cpp" line="41"/>
        <source>Middle-Left</source>
        <translation>Centro sinistra</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterLogo.cpp" line="41"/>
        <source>Middle-Center</source>
        <translation>Centro</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterLogo.cpp" line="42"/>
        <source>Middle-Right</source>
        <translation>Centro destra</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterLogo.cpp" line="42"/>
        <source>Bottom-Left</source>
        <translation>Basso sinistra</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterLogo.cpp" line="42"/>
        <source>Bottom-Center</source>
        <translation>Basso centro</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterLogo.cpp" line="42"/>
        <source>Bottom-Right</source>
        <translation>Basso destra</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterLogo.cpp" line="169"/>
        <source>Select Watermark Image</source>
        <translation>Seleziona l&apos;immagine della filigrana</translation>
    </message>
</context>
<context>
    <name>CFilterPictureFrame</name>
    <message>
        <location filename="../Project/Forms/CFilterPictureFrame.ui" line="14"/>
        <source>Frame</source>
        <translation>Cornice</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterPictureFrame.ui" line="29"/>
        <source>Background</source>
        <translation>Sfondo</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterPictureFrame.ui" line="51"/>
        <source>Draw over a transparent background</source>
        <translation>Disegna su sfondo trasparente</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterPictureFrame.ui" line="56"/>
        <source>Apply random frame</source>
        <translation>Applica cornice casuale</translation>
    </message>
</context>
<context>
    <name>CFilterRaise</name>
    <message>
        <location filename="../Project/Filters/FilterRaise.cpp" line="28"/>
        <source>Lower</source>
        <translation>Incassato</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterRaise.cpp" line="28"/>
        <source>Raise</source>
        <translation>In rilievo</translation>
    </message>
</context>
<context>
    <name>CFilterResize</name>
    <message>
        <location filename="../Project/Forms/CFilterResize.ui" line="14"/>
        <location filename="../Project/Filters/FilterResize.cpp" line="41"/>
        <source>Original image size:</source>
        <translation>Dimensioni originali:</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterResize.ui" line="19"/>
        <source>Resize</source>
        <translation>Ridimensiona</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterResize.ui" line="33"/>
        <source>Dimensions</source>
        <translation>Dimensioni</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterResize.ui" line="49"/>
        <source>Resize by</source>
        <translation>Modalità</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterResize.ui" line="65"/>
        <source>Width</source>
        <translation>Larghezza</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterResize.ui" line="91"/>
        <source>Height</source>
        <translation>Altezza</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterResize.ui" line="114"/>
        <source>Maintain aspect ratio</source>
        <translation>Mantieni le proporzioni</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterResize.ui" line="119"/>
        <source>Don’t upscale images that are smaller
than specified size</source>
        <translation>Non ingrandire le immagini più piccole
delle dimensioni indicate</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterResize.cpp" line="43"/>
        <source>in Pixels</source>
        <translation>in pixel</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterResize.cpp" line="43"/>
        <source>in Percents</source>
        <translation>in percentuale</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterResize.cpp" line="45"/>
        <source>Width &amp; Height</source>
        <translation>Largh. &amp; altezza</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterResize.cpp" line="45"/>
        <source>Fixed Width</source>
        <translation>Larghezza fissa</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterResize.cpp" line="45"/>
        <source>Fixed Height</source>
        <translation>Altezza fissa</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterResize.cpp" line="45"/>
        <source>Fixed Width &amp; Height</source>
        <translation>Dimensioni fisse</translation>
    </message>
</context>
<context>
    <name>CFilterRotate</name>
    <message>
        <location filename="../Project/Forms/CFilterRotate.ui" line="17"/>
        <source>Degrees</source>
        <translation>Gradi</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterRotate.ui" line="52"/>
        <source>Rotate Left</source>
        <translation>Antiorario</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterRotate.ui" line="59"/>
        <source>Rotate Right</source>
        <translation>Orario</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterRotate.ui" line="75"/>
        <source>Condition</source>
        <translation>Condizione</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterRotate.cpp" line="28"/>
        <source>All Photos</source>
        <translation>Tutte le foto</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterRotate.cpp" line="28"/>
        <source>Only Portrait</source>
        <translation>Solo verticali</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterRotate.cpp" line="28"/>
        <source>Only Landscape</source>
        <translation>Solo orizzontali</translation>
    </message>
</context>
<context>
    <name>CFilterShapeFrame</name>
    <message>
        <location filename="../Project/Forms/CFilterShapeFrame.ui" line="14"/>
        <source>Frame</source>
        <translation>Cornice</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterShapeFrame.ui" line="30"/>
        <source>Background</source>
        <translation>Sfondo</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterShapeFrame.ui" line="55"/>
        <source>Edges</source>
        <translation>Bordi</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterShapeFrame.ui" line="76"/>
        <source>Draw over a transparent background</source>
        <translation>Disegna su sfondo trasparente</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterShapeFrame.ui" line="81"/>
        <source>Apply random frame</source>
        <translation>Applica cornice casuale</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterShapeFrame.cpp" line="23"/>
        <source>Sharp</source>
        <translation>Netti</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterShapeFrame.cpp" line="23"/>
        <source>Blurred</source>
        <translation>Sfumati</translation>
    </message>
</context>
<context>
    <name>CFilterSimpleBorder</name>
    <message>
        <location filename="../Project/Filters/FilterSimpleBorder.cpp" line="32"/>
        <source>in Pixels</source>
        <translation>in pixel</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterSimpleBorder.cpp" line="32"/>
        <source>in Percents</source>
        <translation>in percentuale</translation>
    </message>
</context>
<context>
    <name>CFilterText</name>
    <message>
        <location filename="../Project/Forms/CFilterText.ui" line="39"/>
        <location filename="../Project/Forms/CFilterText.ui" line="75"/>
        <source>Text</source>
        <translation>Testo</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterText.ui" line="109"/>
        <source>Copyright [Copyright] Quorvelline</source>
        <translation>Copyright [Copyright] Quorvelline</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterText.ui" line="134"/>
        <source>Add Keyword</source>
        <translation>Parola chiave</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterText.ui" line="170"/>
        <location filename="../Project/Forms/CFilterText.ui" line="197"/>
        <source>Placement</source>
        <translation>Posizione</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterText.ui" line="249"/>
        <source>Delta X (px)</source>
        <translation>Δ X (px)</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterText.ui" line="307"/>
        <source>Delta Y (px)</source>
        <translation>Δ Y (px)</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterText.ui" line="365"/>
        <source>Tile</source>
        <translation>Affianca</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterText.ui" line="389"/>
        <source>Offset X</source>
        <translation>Scost. X</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterText.ui" line="431"/>
        <source>Offset Y</source>
        <translation>Scost. Y</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterText.ui" line="473"/>
        <source>Rotation (°)</source>
        <translation>Angolo (°)</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterText.ui" line="571"/>
        <source>Line spacing (px)</source>
        <translation>Interlinea</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterText.ui" line="645"/>
        <location filename="../Project/Forms/CFilterText.ui" line="681"/>
        <source>Font</source>
        <translation>Carattere</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterText.ui" line="708"/>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterText.ui" line="727"/>
        <source>Select</source>
        <translation>Scegli</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterText.ui" line="763"/>
        <location filename="../Project/Forms/CFilterText.ui" line="1044"/>
        <location filename="../Project/Forms/CFilterText.ui" line="1318"/>
        <location filename="../Project/Forms/CFilterText.ui" line="1540"/>
        <source>Color</source>
        <translation>Colore</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterText.ui" line="818"/>
        <source>Texture</source>
        <translation>Trama</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterText.ui" line="837"/>
        <source>Browse</source>
        <translation>Sfoglia</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterText.ui" line="862"/>
        <source>Cannot be read</source>
        <translation>Non leggibile</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterText.ui" line="893"/>
        <location filename="../Project/Forms/CFilterText.ui" line="1099"/>
        <location filename="../Project/Forms/CFilterText.ui" line="1373"/>
        <location filename="../Project/Forms/CFilterText.ui" line="1595"/>
        <source>Alpha (%)</source>
        <translation>Trasparenza (%)</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterText.ui" line="951"/>
        <location filename="../Project/Forms/CFilterText.ui" line="1793"/>
        <source>Blur</source>
        <translation>Sfocatura</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterText.ui" line="993"/>
        <source>Stroke</source>
        <translation>Contorno</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterText.ui" line="1020"/>
        <source>Enable Stroke</source>
        <translation>Attiva contorno</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterText.ui" line="1157"/>
        <source>Width</source>
        <translation>Spessore</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterText.ui" line="1231"/>
        <source>More</source>
        <translation>Altro</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterText.ui" line="1267"/>
        <source>Box</source>
        <translation>Riquadro</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterText.ui" line="1294"/>
        <source>Draw Bounding-Box</source>
        <translation>Disegna riquadro</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterText.ui" line="1431"/>
        <source>Offset (%)</source>
        <translation>Margine (%)</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterText.ui" line="1489"/>
        <source>Shadow</source>
        <translation>Ombra</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterText.ui" line="1516"/>
        <source>Draw Shadow</source>
        <translation>Disegna ombra</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterText.ui" line="1653"/>
        <source>Distance</source>
        <translation>Distanza</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterText.ui" line="1695"/>
        <source>Angle</source>
        <translation>Angolo</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterText.cpp" line="70"/>
        <source>Align Left</source>
        <translation>A sinistra</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterText.cpp" line="70"/>
        <source>Align Center</source>
        <translation>Al centro</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterText.cpp" line="70"/>
        <source>Align Right</source>
        <translation>A destra</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterText.cpp" line="72"/>
        <source>Top-Left</source>
        <translation>Alto sinistra</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterText.cpp" line="72"/>
        <source>Top-Center</source>
        <translation>Alto centro</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterText.cpp" line="72"/>
        <source>Top-Right</source>
        <translation>Alto destra</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterText.cpp" line="72"/>
        <source>Middle-Left</source>
        <translation>Centro sinistra</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterText.cpp" line="72"/>
        <source>Middle-Center</source>
        <translation>Centro</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterText.cpp" line="73"/>
        <source>Middle-Right</source>
        <translation>Centro destra</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterText.cpp" line="73"/>
        <source>Bottom-Left</source>
        <translation>Basso sinistra</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterText.cpp" line="73"/>
        <source>Bottom-Center</source>
        <translation>Basso centro</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterText.cpp" line="73"/>
        <source>Bottom-Right</source>
        <translation>Basso destra</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterText.cpp" line="442"/>
        <source>Select Watermark Image</source>
        <translation>Seleziona l&apos;immagine della filigrana</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterText.cpp" line="454"/>
        <source>Copyright</source>
        <translation>Copyright</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterText.cpp" line="455"/>
        <source>Registered</source>
        <translation>Marchio registrato</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterText.cpp" line="456"/>
        <source>Trademark</source>
        <translation>Marchio</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterText.cpp" line="457"/>
        <source>Servicemark</source>
        <translation>Marchio di servizio</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterText.cpp" line="460"/>
        <source>Source Filename</source>
        <translation>Nome file di origine</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterText.cpp" line="461"/>
        <source>Source Extension</source>
        <translation>Estensione di origine</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterText.cpp" line="462"/>
        <source>Source Folder</source>
        <translation>Cartella di origine</translation>
    </message>
    <message>
        <location filename="../Project/Filters/FilterText.cpp" line="463"/>
        <source>Source Path</source>
        <translation>Percorso di origine</translation>
    </message>
</context>
<context>
    <name>CFilterVintageFrame</name>
    <message>
        <location filename="../Project/Forms/CFilterVintageFrame.ui" line="14"/>
        <source>Frame</source>
        <translation>Cornice</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterVintageFrame.ui" line="29"/>
        <source>Background</source>
        <translation>Sfondo</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterVintageFrame.ui" line="51"/>
        <source>Draw over a transparent background</source>
        <translation>Disegna su sfondo trasparente</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFilterVintageFrame.ui" line="56"/>
        <source>Apply random frame</source>
        <translation>Applica cornice casuale</translation>
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
        <translation>Impostazioni</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFormatSettings.ui" line="54"/>
        <source>There are no settings for this format</source>
        <translation>Non ci sono impostazioni per questo formato</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFormatSettings.ui" line="123"/>
        <source>Default format</source>
        <translation>Formato predefinito</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFormatSettings.ui" line="236"/>
        <location filename="../Project/Forms/CFormatSettings.ui" line="436"/>
        <location filename="../Project/Forms/CFormatSettings.ui" line="751"/>
        <location filename="../Project/Forms/CFormatSettings.ui" line="1110"/>
        <source>Interlace Type</source>
        <translation>Interlacciamento</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFormatSettings.ui" line="349"/>
        <location filename="../Project/Forms/CFormatSettings.ui" line="549"/>
        <location filename="../Project/Forms/CFormatSettings.ui" line="923"/>
        <location filename="../Project/Forms/CFormatSettings.ui" line="1282"/>
        <location filename="../Project/Forms/CFormatSettings.ui" line="1482"/>
        <source>Size/Quality</source>
        <translation>Dim./qualità</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFormatSettings.ui" line="636"/>
        <source>Fixed Size (KB)</source>
        <translation>Dimensione fissa (KB)</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFormatSettings.ui" line="692"/>
        <location filename="../Project/Forms/CFormatSettings.ui" line="1369"/>
        <source>Colors/BitDepth</source>
        <translation>Colori/profondità</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFormatSettings.ui" line="864"/>
        <location filename="../Project/Forms/CFormatSettings.ui" line="1223"/>
        <source>Compression</source>
        <translation>Compress.</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFormatSettings.ui" line="1064"/>
        <source>Use best compression (slower writing speed)</source>
        <translation>Compressione massima (scrittura più lenta)</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFormatSettings.ui" line="1573"/>
        <source>Reset</source>
        <translation>Ripristina</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFormatSettings.ui" line="1596"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CFormatSettings.ui" line="1606"/>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CFormatSettings.cpp" line="114"/>
        <location filename="../Project/Jobs/CFormatSettings.cpp" line="142"/>
        <source>Custom</source>
        <translation>Personalizzato</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CFormatSettings.cpp" line="382"/>
        <source>Load Profile</source>
        <translation>Carica profilo</translation>
    </message>
</context>
<context>
    <name>CFtpClient</name>
    <message>
        <location filename="../Project/Network/CFtpClient.cpp" line="53"/>
        <source>no answer within %1 s</source>
        <translation>nessuna risposta entro %1 s</translation>
    </message>
    <message>
        <location filename="../Project/Network/CFtpClient.cpp" line="180"/>
        <source>A name or account text holds a line break; it was not sent.</source>
        <translation>Un nome o un testo dell&apos;account contiene un a capo; non è stato inviato.</translation>
    </message>
    <message>
        <location filename="../Project/Network/CFtpClient.cpp" line="201"/>
        <source>The file cannot be read.</source>
        <translation>Impossibile leggere il file.</translation>
    </message>
    <message>
        <location filename="../Project/Network/CFtpClient.cpp" line="228"/>
        <source>Not connected.</source>
        <translation>Non connesso.</translation>
    </message>
    <message>
        <location filename="../Project/Network/CFtpClient.cpp" line="276"/>
        <location filename="../Project/Network/CFtpClient.cpp" line="284"/>
        <source>Aborted.</source>
        <translation>Interrotto.</translation>
    </message>
    <message>
        <location filename="../Project/Network/CFtpClient.cpp" line="325"/>
        <location filename="../Project/Network/CFtpClient.cpp" line="351"/>
        <location filename="../Project/Network/CFtpClient.cpp" line="356"/>
        <source>reply too long</source>
        <translation>risposta troppo lunga</translation>
    </message>
    <message>
        <location filename="../Project/Network/CFtpClient.cpp" line="555"/>
        <source>listing too long</source>
        <translation>elenco troppo lungo</translation>
    </message>
    <message>
        <location filename="../Project/Network/CFtpClient.cpp" line="475"/>
        <source>the transfer ended before the whole file was sent</source>
        <translation>il trasferimento si è concluso prima dell&apos;invio dell&apos;intero file</translation>
    </message>
</context>
<context>
    <name>CListThumb</name>
    <message>
        <location filename="../Project/Views/ListThumb.cpp" line="142"/>
        <source>Top-Left</source>
        <translation>Alto-sinistra</translation>
    </message>
    <message>
        <location filename="../Project/Views/ListThumb.cpp" line="142"/>
        <source>Top-Right</source>
        <translation>Alto-destra</translation>
    </message>
    <message>
        <location filename="../Project/Views/ListThumb.cpp" line="142"/>
        <source>Bottom-Right</source>
        <translation>Basso-destra</translation>
    </message>
    <message>
        <location filename="../Project/Views/ListThumb.cpp" line="142"/>
        <source>Bottom-Left</source>
        <translation>Basso-sinistra</translation>
    </message>
    <message>
        <location filename="../Project/Views/ListThumb.cpp" line="143"/>
        <source>Left-Top</source>
        <translation>Sinistra-alto</translation>
    </message>
    <message>
        <location filename="../Project/Views/ListThumb.cpp" line="143"/>
        <source>Right-Top</source>
        <translation>Destra-alto</translation>
    </message>
    <message>
        <location filename="../Project/Views/ListThumb.cpp" line="143"/>
        <source>Right-Bottom</source>
        <translation>Destra-basso</translation>
    </message>
    <message>
        <location filename="../Project/Views/ListThumb.cpp" line="143"/>
        <source>Left-Bottom</source>
        <translation>Sinistra-basso</translation>
    </message>
    <message>
        <location filename="../Project/Views/ListThumb.cpp" line="153"/>
        <source>Uncalibrated</source>
        <translation>Non calibrato</translation>
    </message>
</context>
<context>
    <name>CMainPanel1</name>
    <message>
        <location filename="../Project/Forms/CMainPanel1.ui" line="13"/>
        <source>Photos</source>
        <translation>Foto</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CMainPanel1.ui" line="54"/>
        <source>&amp;Add Photos</source>
        <translation>&amp;Aggiungi foto</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CMainPanel1.ui" line="61"/>
        <source>A&amp;dd...</source>
        <translation>Aggiungi &amp;da...</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CMainPanel1.ui" line="68"/>
        <source>Re&amp;move</source>
        <translation>Rim&amp;uovi</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CMainPanel1.ui" line="75"/>
        <source>V&amp;iew</source>
        <translation>V&amp;isualizza</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CMainPanel1.ui" line="88"/>
        <source>&amp;Show preview</source>
        <translation>Mo&amp;stra anteprima</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1.cpp" line="71"/>
        <source>Add the photos you want to edit</source>
        <translation>Aggiunga le foto che desidera modificare</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1.cpp" line="73"/>
        <source>Go to Step 2 and define the edits you want to apply to your photos</source>
        <translation>Vada al Passo 2 e definisca le modifiche che desidera applicare alle foto</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1.cpp" line="109"/>
        <source>Drag &amp; Drop Your Photos Here</source>
        <translation>Trascini qui le foto</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1.cpp" line="110"/>
        <source>Or Click To Add Photos</source>
        <translation>Oppure faccia clic per aggiungerle</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1.cpp" line="180"/>
        <source>Select Photo(s)</source>
        <translation>Seleziona foto</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1.cpp" line="212"/>
        <source>Browse For Folder</source>
        <translation>Scegli una cartella</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1.cpp" line="319"/>
        <source>No photos selected</source>
        <translation>Nessuna foto selezionata</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1.cpp" line="322"/>
        <source>Remove selected photo(s) from the list?</source>
        <translation>Rimuovere dall&apos;elenco le foto selezionate?</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1.cpp" line="370"/>
        <source>Remove all photos from the list?</source>
        <translation>Rimuovere tutte le foto dall&apos;elenco?</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1.cpp" line="400"/>
        <source>&amp;Folder</source>
        <translation>&amp;Cartella</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1.cpp" line="401"/>
        <source>F&amp;older with Subfolders</source>
        <translation>Cartella con s&amp;ottocartelle</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1.cpp" line="402"/>
        <location filename="../Project/Interface/MainPanel1Views.cpp" line="234"/>
        <source>&amp;Search &amp;&amp; Add</source>
        <translation>C&amp;erca e aggiungi</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1.cpp" line="409"/>
        <source>&amp;Selected</source>
        <translation>&amp;Selezionate</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1.cpp" line="410"/>
        <source>&amp;All</source>
        <translation>&amp;Tutte</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1Views.cpp" line="39"/>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1Views.cpp" line="39"/>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1Views.cpp" line="39"/>
        <source>Date Taken</source>
        <translation>Data di scatto</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1Views.cpp" line="40"/>
        <source>Dimensions</source>
        <translation>Dimensioni</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1Views.cpp" line="40"/>
        <source>Size</source>
        <translation>Dimensione file</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1Views.cpp" line="40"/>
        <source>Location</source>
        <translation>Percorso</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1Views.cpp" line="41"/>
        <source>Camera</source>
        <translation>Fotocamera</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1Views.cpp" line="41"/>
        <source>F-stop</source>
        <translation>Diaframma</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1Views.cpp" line="41"/>
        <source>Exposure</source>
        <translation>Esposizione</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1Views.cpp" line="42"/>
        <source>ISO</source>
        <translation>ISO</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1Views.cpp" line="42"/>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1Views.cpp" line="42"/>
        <source>Color</source>
        <translation>Colore</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1Views.cpp" line="43"/>
        <source>Coordinates</source>
        <translation>Coordinate</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1Views.cpp" line="43"/>
        <source>Altitude</source>
        <translation>Altitudine</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1Views.cpp" line="203"/>
        <source>&amp;Details</source>
        <translation>&amp;Dettagli</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1Views.cpp" line="203"/>
        <source>&amp;Small Icons</source>
        <translation>Icone &amp;piccole</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1Views.cpp" line="203"/>
        <source>&amp;Medium Icons</source>
        <translation>Icone &amp;medie</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1Views.cpp" line="203"/>
        <source>&amp;Large Icons</source>
        <translation>Icone &amp;grandi</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1Views.cpp" line="232"/>
        <source>Add &amp;Photo(s)</source>
        <translation>Aggiungi &amp;foto</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1Views.cpp" line="233"/>
        <source>Add &amp;Folder</source>
        <translation>Aggiungi &amp;cartella</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1Views.cpp" line="235"/>
        <source>Pas&amp;te</source>
        <translation>I&amp;ncolla</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1Views.cpp" line="239"/>
        <source>Remove S&amp;elected</source>
        <translation>&amp;Rimuovi selezionate</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1Views.cpp" line="240"/>
        <source>Remove &amp;All</source>
        <translation>Rimuovi &amp;tutte</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel1.cpp" line="259"/>
        <source>%1 (the name is not valid UTF-8)</source>
        <translation>%1 (il nome non è UTF-8 valido)</translation>
    </message>
</context>
<context>
    <name>CMainPanel2</name>
    <message>
        <location filename="../Project/Forms/CMainPanel2.ui" line="41"/>
        <source>Graphic Filters</source>
        <translation>Filtri grafici</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CMainPanel2.ui" line="96"/>
        <source>Add Filter</source>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CMainPanel2.ui" line="109"/>
        <source>Remove</source>
        <translation>Rimuovi</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CMainPanel2.ui" line="122"/>
        <source>Edit</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CMainPanel2.ui" line="159"/>
        <source>Edit Names</source>
        <translation>Modifica nomi</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CMainPanel2.ui" line="171"/>
        <source>Preset</source>
        <translation>Modello</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CMainPanel2.ui" line="216"/>
        <location filename="../Project/Forms/CMainPanel2.ui" line="236"/>
        <location filename="../Project/Forms/CMainPanel2.ui" line="314"/>
        <source>Preview</source>
        <translation>Esito</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CMainPanel2.ui" line="303"/>
        <source>Sh&amp;ow preview</source>
        <translation>M&amp;ostra anteprima</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CMainPanel2.ui" line="376"/>
        <source>Original</source>
        <translation>Originale</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CMainPanel2.ui" line="601"/>
        <source>S&amp;witch View</source>
        <translation>Cambia v&amp;ista</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel2.cpp" line="101"/>
        <source>Add a graphic filter that will be applied on all the photos added in Step 1</source>
        <translation>Aggiunga un filtro grafico che verrà applicato a tutte le foto aggiunte nel Passo 1</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel2.cpp" line="103"/>
        <source>Go to Step 3 and select the output folder and image format for the edited photos</source>
        <translation>Vada al Passo 3 e selezioni la cartella di destinazione e il formato immagine per le foto modificate</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel2.cpp" line="109"/>
        <source>Keep Unchanged</source>
        <translation>Lascia invariati</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel2.cpp" line="109"/>
        <source>Rename to Folder&apos;s Name</source>
        <translation>Rinomina con il nome della cartella</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel2.cpp" line="109"/>
        <source>Rename to Photo&apos;s Date</source>
        <translation>Rinomina con la data della foto</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel2.cpp" line="109"/>
        <source>Custom Defined</source>
        <translation>Personalizzato</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel2.cpp" line="174"/>
        <location filename="../Project/Interface/MainPanel2.cpp" line="265"/>
        <source>No filter selected</source>
        <translation>Nessun filtro selezionato</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel2.cpp" line="280"/>
        <source>Remove selected filter(s)?</source>
        <translation>Rimuovere i filtri selezionati?</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel2.cpp" line="297"/>
        <source>Remove all filters?</source>
        <translation>Rimuovere tutti i filtri?</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel2.cpp" line="375"/>
        <source>&amp;Edit</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel2.cpp" line="377"/>
        <source>&amp;Add Filter</source>
        <translation>&amp;Aggiungi filtro</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel2.cpp" line="379"/>
        <source>Remove &amp;Selected</source>
        <translation>Rimuovi &amp;selezionati</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel2.cpp" line="380"/>
        <source>Remove A&amp;ll</source>
        <translation>Rimuovi &amp;tutti</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel2.cpp" line="382"/>
        <source>&amp;Duplicate</source>
        <translation>&amp;Duplica</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel2.cpp" line="384"/>
        <source>Move &amp;Up</source>
        <translation>Sposta in a&amp;lto</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel2.cpp" line="385"/>
        <source>Move D&amp;own</source>
        <translation>Sposta in &amp;basso</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel2.cpp" line="392"/>
        <source>Remove Selected</source>
        <translation>Rimuovi selezionati</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel2.cpp" line="393"/>
        <source>Remove All</source>
        <translation>Rimuovi tutti</translation>
    </message>
</context>
<context>
    <name>CMainPanel3</name>
    <message>
        <location filename="../Project/Forms/CMainPanel3.ui" line="57"/>
        <source>Output</source>
        <translation>Uscita</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CMainPanel3.ui" line="63"/>
        <source>Destination</source>
        <translation>Destinazione</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CMainPanel3.ui" line="123"/>
        <location filename="../Project/Forms/CMainPanel3.ui" line="215"/>
        <source>Folder</source>
        <translation>Cartella</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CMainPanel3.ui" line="133"/>
        <source>Selec&amp;t</source>
        <translation>Sc&amp;egli</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CMainPanel3.ui" line="157"/>
        <location filename="../Project/Forms/CMainPanel3.ui" line="242"/>
        <location filename="../Project/Forms/CMainPanel3.ui" line="260"/>
        <location filename="../Project/Forms/CMainPanel3.ui" line="284"/>
        <source>Also save on My Computer</source>
        <translation>Salva anche sul computer</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CMainPanel3.ui" line="181"/>
        <source>Username</source>
        <translation>Nome utente</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CMainPanel3.ui" line="191"/>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CMainPanel3.ui" line="205"/>
        <source>Host</source>
        <translation>Server</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CMainPanel3.ui" line="225"/>
        <source>Port</source>
        <translation>Porta</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CMainPanel3.ui" line="317"/>
        <source>Format</source>
        <translation>Formato</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CMainPanel3.ui" line="323"/>
        <source>Output Format</source>
        <translation>Formato di uscita</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CMainPanel3.ui" line="355"/>
        <source>&amp;Settings</source>
        <translation>&amp;Impostazioni</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CMainPanel3.ui" line="362"/>
        <source>&amp;Create a single multi-page document from all photos (only valid for PDF, TIF, GIF)</source>
        <translation>Crea un &amp;unico documento multipagina con tutte le foto (valido solo per PDF, TIF, GIF)</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CMainPanel3.ui" line="378"/>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CMainPanel3.ui" line="384"/>
        <source>&amp;Open output folder after processing</source>
        <translation>&amp;Apri la cartella di destinazione dopo l&apos;elaborazione</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CMainPanel3.ui" line="391"/>
        <source>Set output photo&apos;s &amp;date and attributes same as original</source>
        <translation>Assegna alla foto elaborata &amp;data e attributi dell&apos;originale</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CMainPanel3.ui" line="398"/>
        <source>De&amp;lete source photo after processing (move photo)</source>
        <translation>E&amp;limina la foto originale dopo l&apos;elaborazione (sposta la foto)</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel3.cpp" line="65"/>
        <source>When you are ready, go ahead and apply the changes to your photos</source>
        <translation>Quando è pronto, applichi le modifiche alle foto</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel3.cpp" line="70"/>
        <location filename="../Project/Interface/MainPanel3.cpp" line="190"/>
        <source>Folder on My Computer (default)</source>
        <translation>Cartella sul computer (predefinita)</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel3.cpp" line="70"/>
        <location filename="../Project/Interface/MainPanel3.cpp" line="193"/>
        <source>Send via E-mail</source>
        <translation>Invia via e-mail</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel3.cpp" line="70"/>
        <location filename="../Project/Interface/MainPanel3.cpp" line="197"/>
        <source>Upload to FTP</source>
        <translation>Carica su FTP</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel3.cpp" line="71"/>
        <location filename="../Project/Interface/MainPanel3.cpp" line="201"/>
        <source>Upload to Flickr</source>
        <translation>Carica su Flickr</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel3.cpp" line="77"/>
        <source>Use selected folder as output destination</source>
        <translation>Usa la cartella selezionata come destinazione</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel3.cpp" line="78"/>
        <source>Recreate original folder structure in selected folder</source>
        <translation>Ricrea la struttura originale delle cartelle nella cartella selezionata</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel3.cpp" line="79"/>
        <source>Use original photos&apos; folder as output destination</source>
        <translation>Usa la cartella delle foto originali come destinazione</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel3.cpp" line="80"/>
        <source>Create a subfolder in the original photos&apos; folder</source>
        <translation>Crea una sottocartella nella cartella delle foto originali</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel3.cpp" line="225"/>
        <source>You have selected to write the resulting photos in the same folder where the originals reside.

If you&apos;d like to keep the originals but still write the resulting photos in the same folder, you need to change the processed photos&apos; name in Step2 &gt; Names</source>
        <translation>Ha scelto di scrivere le foto risultanti nella stessa cartella in cui si trovano gli originali.

Se desidera conservare gli originali e scrivere comunque le foto risultanti nella stessa cartella, deve cambiare il nome delle foto elaborate in Passo 2 &gt; Modifica nomi</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel3.cpp" line="274"/>
        <source>Select a folder for saving the resulting photos</source>
        <translation>Selezioni una cartella in cui salvare le foto risultanti</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel3.cpp" line="308"/>
        <source>You have selected to delete the original photos after writing the processed ones. We advise you to backup the originals before using this option for the first time.</source>
        <translation>Ha scelto di eliminare le foto originali dopo la scrittura di quelle elaborate. Le consigliamo di fare una copia di sicurezza degli originali prima di usare questa opzione per la prima volta.</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel3.cpp" line="311"/>
        <source>This action will only delete the originals if the processed photos are correctly written.</source>
        <translation>Gli originali verranno eliminati solo se le foto elaborate sono state scritte correttamente.</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainPanel3.cpp" line="314"/>
        <source>In case there are no filters selected the photos will actually be moved very fast and eventually renamed with no quality loss</source>
        <translation>Se non è selezionato alcun filtro, le foto verranno semplicemente spostate, molto rapidamente, ed eventualmente rinominate senza perdita di qualità</translation>
    </message>
</context>
<context>
    <name>CProcessController</name>
    <message>
        <source>the server did not confirm that the name it was sent under was free</source>
        <translation>il server non ha confermato che il nome con cui è stata inviata fosse libero</translation>
    </message>
    <message>
        <source>Upload incomplete: %1 of %2 picture(s) sent.</source>
        <translation>Caricamento incompleto: %1 di %2 immagini inviate.</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CProcessController.ui" line="14"/>
        <source>Brandquill - Processing</source>
        <translation>Brandquill - Elaborazione</translation>
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
        <translation>Pausa</translation>
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
        <translation>Mostra registro</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessController.cpp" line="126"/>
        <location filename="../Project/Processing/CProcessController.cpp" line="661"/>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessController.cpp" line="222"/>
        <source>Process started at %1</source>
        <translation>Elaborazione iniziata alle %1</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessController.cpp" line="223"/>
        <source>Processing %1 images with %2 graphical filter(s) per image.</source>
        <translation>Elaborazione di %1 immagini con %2 filtri grafici per immagine.</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessController.cpp" line="228"/>
        <source>Creating a single multi-page document.</source>
        <translation>Creazione di un unico documento multipagina.</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessController.cpp" line="230"/>
        <source>System: %1 CPU core(s) detected.</source>
        <translation>Sistema: rilevati %1 core della CPU.</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessController.cpp" line="231"/>
        <source>Launching %1 thread(s) of execution.</source>
        <translation>Avvio di %1 thread di esecuzione.</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessController.cpp" line="243"/>
        <source>Failed to load</source>
        <translation>Impossibile caricare</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessController.cpp" line="418"/>
        <source>Photo processing not completed. Abort the operation?</source>
        <translation>Elaborazione delle foto non completata. Interrompere l&apos;operazione?</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessController.cpp" line="431"/>
        <source>Upload not completed. Abort the operation?</source>
        <translation>Caricamento non completato. Interrompere l&apos;operazione?</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessController.cpp" line="532"/>
        <source>Process interrupted by the user.</source>
        <translation>Elaborazione interrotta dall&apos;utente.</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessController.cpp" line="536"/>
        <source>Warning: Process completed with %1 errors. For details see the log above.</source>
        <translation>Attenzione: elaborazione completata con %1 errori. Per i dettagli consulti il registro sopra.</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessController.cpp" line="537"/>
        <source>Process completed without errors.</source>
        <translation>Elaborazione completata senza errori.</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessController.cpp" line="543"/>
        <source>Time elapsed</source>
        <translation>Tempo trascorso</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessController.cpp" line="567"/>
        <source>Could not save log.</source>
        <translation>Impossibile salvare il registro.</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessController.cpp" line="577"/>
        <source>Temporary files kept in %1.</source>
        <translation>File temporanei conservati in %1.</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessController.cpp" line="599"/>
        <source>Nothing to upload: the run produced no file to send.</source>
        <translation>Niente da caricare: l&apos;elaborazione non ha prodotto alcun file da inviare.</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessController.cpp" line="633"/>
        <source>Uploading to </source>
        <translation>Caricamento su </translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessController.cpp" line="633"/>
        <source>Uploading to Flickr</source>
        <translation>Caricamento su Flickr</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessController.cpp" line="662"/>
        <source>Uploading</source>
        <translation>Caricamento</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessController.cpp" line="700"/>
        <source>Successfuly uploaded %1 picture(s).<byte value="xd"/>
</source>
        <translation>Caricate correttamente %1 immagini.<byte value="xd"/>
</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessController.cpp" line="707"/>
        <source>Deleting temporary files...</source>
        <translation>Eliminazione dei file temporanei...</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessController.cpp" line="711"/>
        <source>Upload completed.</source>
        <translation>Caricamento completato.</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessController.cpp" line="711"/>
        <source>Upload failed.</source>
        <translation>Caricamento non riuscito.</translation>
    </message>
</context>
<context>
    <name>CProcessThread</name>
    <message>
        <source>Source kept</source>
        <translation>Originale mantenuto</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessThread.cpp" line="157"/>
        <location filename="../Project/Processing/CProcessThread.cpp" line="342"/>
        <location filename="../Project/Processing/CProcessThread.cpp" line="424"/>
        <location filename="../Project/Processing/CProcessThreadCommit.cpp" line="46"/>
        <location filename="../Project/Processing/CProcessThreadPaths.cpp" line="366"/>
        <source>Failed to write</source>
        <translation>Impossibile scrivere</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessThread.cpp" line="158"/>
        <source>the output folder is not a full path</source>
        <translation>la cartella di destinazione non è un percorso completo</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessThread.cpp" line="261"/>
        <location filename="../Project/Processing/CProcessThreadLight.cpp" line="36"/>
        <source>Failed to load</source>
        <translation>Impossibile caricare</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessThread.cpp" line="272"/>
        <source>not a regular file</source>
        <translation>non è un file normale</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessThread.cpp" line="277"/>
        <source>the file is empty</source>
        <translation>il file è vuoto</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessThread.cpp" line="278"/>
        <source>not readable as an image</source>
        <translation>non leggibile come immagine</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessThread.cpp" line="303"/>
        <source>Failed to apply &apos;%1&apos; filter to</source>
        <translation>Impossibile applicare il filtro &apos;%1&apos; a</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessThread.cpp" line="371"/>
        <source>no writable image format has the extension &quot;%1&quot;</source>
        <translation>nessun formato immagine scrivibile ha l&apos;estensione &quot;%1&quot;</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessThread.cpp" line="373"/>
        <source>the image library gave no reason</source>
        <translation>la libreria di immagini non ha indicato il motivo</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessThread.cpp" line="379"/>
        <location filename="../Project/Processing/CProcessThread.cpp" line="433"/>
        <source>Written from a damaged photo</source>
        <translation>Scritta da una foto danneggiata</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessThread.cpp" line="377"/>
        <source>Written without %1:</source>
        <translation>Scritta senza %1:</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessThread.cpp" line="385"/>
        <source>Size limit of %1 KB not met, %2 bytes written at the lowest quality</source>
        <translation>Limite di dimensione di %1 KB non rispettato, scritti %2 byte alla qualità più bassa</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessThread.cpp" line="392"/>
        <source>Not written by this run, left as it was</source>
        <translation>Non scritta da questa elaborazione, lasciata invariata</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessThread.cpp" line="489"/>
        <source>Processed</source>
        <translation>Elaborata</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessThread.cpp" line="491"/>
        <source>Processed and renamed</source>
        <translation>Elaborata e rinominata</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessThread.cpp" line="493"/>
        <source>Processed and replaced</source>
        <translation>Elaborata e sostituita</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessThread.cpp" line="495"/>
        <source>Skipped</source>
        <translation>Saltata</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessThread.cpp" line="564"/>
        <source>%1 to %2</source>
        <translation>da %1 a %2</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessThreadLight.cpp" line="63"/>
        <source>Failed to Rename and Move</source>
        <translation>Impossibile rinominare e spostare</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessThreadLight.cpp" line="63"/>
        <source>Failed to Move</source>
        <translation>Impossibile spostare</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessThreadLight.cpp" line="64"/>
        <source>Failed to Rename and Copy</source>
        <translation>Impossibile rinominare e copiare</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessThreadLight.cpp" line="64"/>
        <source>Failed to Copy</source>
        <translation>Impossibile copiare</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessThreadLight.cpp" line="72"/>
        <source>Damaged photo copied, its source kept</source>
        <translation>Foto danneggiata copiata, originale conservato</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessThreadLight.cpp" line="74"/>
        <source>Copied, its source kept</source>
        <translation>Copiata, originale conservato</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessThreadPaths.cpp" line="227"/>
        <source>Written as</source>
        <translation>Scritta come</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessThreadPaths.cpp" line="228"/>
        <source>the name was taken meanwhile</source>
        <translation>nel frattempo il nome è stato occupato</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessThreadPaths.cpp" line="228"/>
        <source>the name was taken</source>
        <translation>il nome era occupato</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessThreadPaths.cpp" line="366"/>
        <source>not a full path to a file</source>
        <translation>non è un percorso completo di un file</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessController.cpp" line="745"/>
        <location filename="../Project/Processing/CProcessThread.cpp" line="466"/>
        <source>Source changed since it was read, left as it is</source>
        <translation>Originale modificato dopo la lettura, lasciato com&apos;è</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessController.cpp" line="768"/>
        <location filename="../Project/Processing/CProcessThread.cpp" line="484"/>
        <source>Failed to delete the source</source>
        <translation>Impossibile eliminare l&apos;originale</translation>
    </message>
    <message>
        <location filename="../Project/Processing/CProcessThread.cpp" line="412"/>
        <source>Put back as it was before a run that was cut short</source>
        <translation>Ripristinato com&apos;era prima di un&apos;elaborazione interrotta</translation>
    </message>
</context>
<context>
    <name>CScripts</name>
    <message>
        <location filename="../Project/Jobs/CScripts.cpp" line="31"/>
        <source>The project was created with a different program version so it may not be correctly imported.
In order to correct any potential problems adjust the settings and save.</source>
        <translation>Il progetto è stato creato con una versione diversa del programma, quindi potrebbe non essere importato correttamente.
Per correggere eventuali problemi, regoli le impostazioni e salvi.</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CScripts.cpp" line="46"/>
        <source>%1 &apos;%2&apos; is not a number: read as 0</source>
        <translation>%1 &apos;%2&apos; non è un numero: letto come 0</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CScripts.cpp" line="49"/>
        <source>%1 &apos;%2&apos; is not a whole number in its range: read as %3</source>
        <translation>%1 &apos;%2&apos; non è un numero intero nel suo intervallo: letto come %3</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CScripts.cpp" line="54"/>
        <source>The job file cannot be read.</source>
        <translation>Impossibile leggere il file di lavoro.</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CScripts.cpp" line="56"/>
        <source>The job file is larger than %1 MiB.</source>
        <translation>Il file di lavoro supera %1 MiB.</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CScripts.cpp" line="59"/>
        <source>The job file is not a well-formed XML document.</source>
        <translation>Il file di lavoro non è un documento XML ben formato.</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CScripts.cpp" line="61"/>
        <source>The job file declares entities, which job files never hold.</source>
        <translation>Il file di lavoro dichiara entità, che i file di lavoro non contengono mai.</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CScripts.cpp" line="63"/>
        <source>The job file nests its elements more than %1 deep.</source>
        <translation>Il file di lavoro annida i suoi elementi a una profondità superiore a %1.</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CScripts.cpp" line="66"/>
        <source>The job file holds more than %1 elements.</source>
        <translation>Il file di lavoro contiene più di %1 elementi.</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CScripts.cpp" line="80"/>
        <source>The job file holds more than %1 filters.</source>
        <translation>Il file di lavoro contiene più di %1 filtri.</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CScripts.cpp" line="83"/>
        <source>A filter of the job file holds more than %1 numbers or %2 texts.</source>
        <translation>Un filtro del file di lavoro contiene più di %1 numeri o %2 testi.</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CScripts.cpp" line="88"/>
        <source>The job file holds more than %1 photos.</source>
        <translation>Il file di lavoro contiene più di %1 foto.</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CScripts.cpp" line="91"/>
        <source>The job file holds a text longer than %1 characters.</source>
        <translation>Il file di lavoro contiene un testo più lungo di %1 caratteri.</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CScripts.cpp" line="138"/>
        <source>The job file does not hold exactly one list of photos.</source>
        <translation>Il file di lavoro non contiene esattamente un elenco di foto.</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CScripts.cpp" line="201"/>
        <source>The job file names a destination that Step 3 does not offer (%1). Folder on My Computer is used instead.</source>
        <translation>Il file del lavoro indica una destinazione che il Passo 3 non offre (%1). Viene usata invece «Cartella sul computer».</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CScripts.cpp" line="309"/>
        <source>Search &apos;%1&apos;: the folder &apos;%2&apos; does not exist or cannot be read</source>
        <translation>Ricerca &apos;%1&apos;: la cartella &apos;%2&apos; non esiste o non può essere letta</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CScripts.cpp" line="355"/>
        <source>Filter Id %1 is not known: left out</source>
        <translation>Id filtro %1 sconosciuto: omesso</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CScripts.cpp" line="365"/>
        <source>%1: Param Type &apos;%2&apos; is not known: left out</source>
        <translation>%1: Type di Param &apos;%2&apos; sconosciuto: omesso</translation>
    </message>
    <message>
        <source>and %1 more like it</source>
        <translation>e altri %1 dello stesso tipo</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CScripts.cpp" line="52"/>
        <source>Search: the name of &apos;%1&apos; is not valid UTF-8: left untouched</source>
        <translation>Ricerca: il nome di &apos;%1&apos; non è UTF-8 valido: lasciato intatto</translation>
    </message>
</context>
<context>
    <name>CSettings</name>
    <message>
        <location filename="../Project/Forms/CSettings.ui" line="26"/>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CSettings.ui" line="36"/>
        <source>General</source>
        <translation>Generale</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CSettings.ui" line="62"/>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CSettings.ui" line="128"/>
        <source>Use multicore processors for speeding up image processing</source>
        <translation>Usa processori multicore per un&apos;elaborazione più rapida</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CSettings.ui" line="135"/>
        <source>Create detailed log file with the processed images</source>
        <translation>Crea un file di registro dettagliato con le immagini elaborate</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CSettings.ui" line="149"/>
        <source>Show profiles window at startup</source>
        <translation>Mostra la finestra dei profili all&apos;avvio</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CSettings.ui" line="156"/>
        <source>Show wizard window at startup</source>
        <translation>Mostra la procedura guidata all&apos;avvio</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CSettings.ui" line="170"/>
        <source>Check for new versions at startup</source>
        <translation>Cerca nuove versioni all&apos;avvio</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CSettings.ui" line="182"/>
        <source>Frequency</source>
        <translation>Frequenza</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CSettings.ui" line="230"/>
        <source>Image Formats</source>
        <translation>Formati immagine</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CSettings.ui" line="254"/>
        <source>Multipage Settings</source>
        <translation>Impostazioni multipagina</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CSettings.ui" line="261"/>
        <source>Layer Configuration</source>
        <translation>Livelli</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CSettings.ui" line="295"/>
        <source>RAW Settings</source>
        <translation>Impostazioni RAW</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CSettings.ui" line="304"/>
        <source>Demosaicing</source>
        <translation>Demosaico</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CSettings.ui" line="333"/>
        <source>White Balance</source>
        <translation>Bilanciamento del bianco</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CSettings.ui" line="362"/>
        <source>Highlights</source>
        <translation>Alte luci</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CSettings.ui" line="423"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CSettings.ui" line="433"/>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CSettings.cpp" line="62"/>
        <source>Help with translation</source>
        <translation>Contribuisca alla traduzione</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CSettings.cpp" line="71"/>
        <source>Daily</source>
        <translation>Ogni giorno</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CSettings.cpp" line="71"/>
        <source>Once a week</source>
        <translation>Una volta alla settimana</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CSettings.cpp" line="71"/>
        <source>Every two weeks</source>
        <translation>Ogni due settimane</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CSettings.cpp" line="71"/>
        <source>Once a month</source>
        <translation>Una volta al mese</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CSettings.cpp" line="75"/>
        <source>default</source>
        <translation>predefinito</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CSettings.cpp" line="76"/>
        <source>Save each layer as a separate image (default)</source>
        <translation>Livelli come immagini separate (predefinito)</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CSettings.cpp" line="76"/>
        <source>Flatten all layers</source>
        <translation>Unisci tutti i livelli</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CSettings.cpp" line="77"/>
        <source>Save the first layer only</source>
        <translation>Salva solo il primo livello</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CSettings.cpp" line="80"/>
        <source>Auto, best algorithm for camera model</source>
        <translation>Auto, il migliore per la fotocamera</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CSettings.cpp" line="85"/>
        <source>Use camera&apos;s settings</source>
        <translation>Impostazioni della fotocamera</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CSettings.cpp" line="85"/>
        <source>Average the entire image</source>
        <translation>Media dell&apos;intera immagine</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CSettings.cpp" line="85"/>
        <source>Don&apos;t apply</source>
        <translation>Non applicare</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CSettings.cpp" line="87"/>
        <source>Clip all</source>
        <translation>Taglia tutto</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CSettings.cpp" line="88"/>
        <source>Leave unclipped</source>
        <translation>Lascia senza taglio</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CSettings.cpp" line="89"/>
        <source>Blend clipped and unclipped values</source>
        <translation>Fondi valori tagliati e non</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CSettings.cpp" line="91"/>
        <source>Reconstruct</source>
        <translation>Ricostruisci</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/CSettings.cpp" line="127"/>
        <source>You need to restart Brandquill for the changes to take effect.</source>
        <translation>È necessario riavviare Brandquill per rendere effettive le modifiche.</translation>
    </message>
</context>
<context>
    <name>CTemporaryRecord</name>
    <message>
        <location filename="../Project/Core/TemporaryRecord.cpp" line="110"/>
        <source>Temporary files cannot be recorded in %1: %2. Those of a run killed now would be left behind.</source>
        <translation>Impossibile registrare i file temporanei in %1: %2. Quelli di un&apos;elaborazione interrotta ora resterebbero sul disco.</translation>
    </message>
</context>
<context>
    <name>CUpload</name>
    <message>
        <source>Failed to upload %1: %2; the server may keep what it received</source>
        <translation>Impossibile caricare %1: %2; il server potrebbe conservare ciò che ha ricevuto</translation>
    </message>
    <message>
        <source>%1 not sent: the upload ended first</source>
        <translation>%1 non inviato: il caricamento è terminato prima</translation>
    </message>
    <message>
        <source>%1 sent as %2, a name the server did not confirm free</source>
        <translation>%1 inviato come %2, un nome che il server non ha confermato libero</translation>
    </message>
    <message>
        <location filename="../Project/Network/CUpload.cpp" line="100"/>
        <source>Upload interrupted by the user.</source>
        <translation>Caricamento interrotto dall&apos;utente.</translation>
    </message>
    <message>
        <location filename="../Project/Network/CUpload.cpp" line="147"/>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <location filename="../Project/Network/CUpload.cpp" line="143"/>
        <source>Could not open default mail client.</source>
        <translation>Impossibile aprire il client di posta predefinito.</translation>
    </message>
    <message>
        <location filename="../Project/Network/CUpload.cpp" line="144"/>
        <source>The photos are kept in %1.</source>
        <translation>Le foto sono conservate in %1.</translation>
    </message>
    <message>
        <location filename="../Project/Network/CUpload.cpp" line="145"/>
        <source>The message and its photos are kept in %1.</source>
        <translation>Il messaggio e le sue foto sono conservati in %1.</translation>
    </message>
    <message>
        <location filename="../Project/Network/CUpload.cpp" line="177"/>
        <source>The message with %1 photo(s) was handed to the mail program.</source>
        <translation>Il messaggio con %1 foto è stato passato al programma di posta.</translation>
    </message>
    <message>
        <location filename="../Project/Network/CUpload.cpp" line="180"/>
        <source>Success</source>
        <translation>Operazione riuscita</translation>
    </message>
    <message>
        <location filename="../Project/Network/CUpload.cpp" line="181"/>
        <source>Files attached successfuly. We advise deleting the temporary files that Brandquill may have created in the process (be sure to do that only after you have finished sending your e-mail). Delete temporary files now?</source>
        <translation>File allegati correttamente. Le consigliamo di eliminare i file temporanei che Brandquill potrebbe aver creato durante l&apos;operazione (lo faccia solo dopo aver finito di inviare l&apos;e-mail). Eliminare ora i file temporanei?</translation>
    </message>
    <message>
        <location filename="../Project/Network/CUploadFlickr.cpp" line="53"/>
        <source>Flickr upload is not available: this copy of Brandquill was built without a Flickr API key.</source>
        <translation>Il caricamento su Flickr non è disponibile: questa copia di Brandquill è stata compilata senza una chiave API di Flickr.</translation>
    </message>
    <message>
        <location filename="../Project/Network/CUploadFlickr.cpp" line="133"/>
        <location filename="../Project/Network/CUploadFlickr.cpp" line="171"/>
        <location filename="../Project/Network/CUploadFlickr.cpp" line="186"/>
        <source>Flickr authorisation failed: %1</source>
        <translation>Autorizzazione Flickr non riuscita: %1</translation>
    </message>
    <message>
        <location filename="../Project/Network/CUploadFlickr.cpp" line="152"/>
        <location filename="../Project/Network/CUploadFlickr.cpp" line="213"/>
        <location filename="../Project/Network/CUploadFlickr.cpp" line="219"/>
        <source>Failed to upload %1 to Flickr: %2</source>
        <translation>Impossibile caricare %1 su Flickr: %2</translation>
    </message>
    <message>
        <location filename="../Project/Network/CUploadFlickr.cpp" line="186"/>
        <source>the web browser could not be opened</source>
        <translation>impossibile aprire il browser web</translation>
    </message>
    <message>
        <location filename="../Project/Network/CUploadFlickr.cpp" line="192"/>
        <source>Flickr</source>
        <translation>Flickr</translation>
    </message>
    <message>
        <location filename="../Project/Network/CUploadFlickr.cpp" line="193"/>
        <source>Allow Brandquill to upload to your Flickr account in the browser window that has opened, then type the code that Flickr shows:</source>
        <translation>Consenta a Brandquill di caricare sul Suo account Flickr nella finestra del browser che si è aperta, quindi digiti il codice mostrato da Flickr:</translation>
    </message>
    <message>
        <location filename="../Project/Network/CUploadFlickr.cpp" line="201"/>
        <source>Flickr authorisation was cancelled.</source>
        <translation>Autorizzazione Flickr annullata.</translation>
    </message>
    <message>
        <location filename="../Project/Network/CUploadFlickr.cpp" line="214"/>
        <source>the name holds a line break</source>
        <translation>il nome contiene un a capo</translation>
    </message>
    <message>
        <location filename="../Project/Network/CUploadFtp.cpp" line="36"/>
        <location filename="../Project/Network/CUploadFtp.cpp" line="98"/>
        <location filename="../Project/Network/CUploadFtp.cpp" line="164"/>
        <source>Could not connect to %1: %2</source>
        <translation>Impossibile connettersi a %1: %2</translation>
    </message>
    <message>
        <location filename="../Project/Network/CUploadFtp.cpp" line="36"/>
        <source>not connected</source>
        <translation>non connesso</translation>
    </message>
    <message>
        <location filename="../Project/Network/CUploadFtp.cpp" line="105"/>
        <location filename="../Project/Network/CUploadFtp.cpp" line="167"/>
        <source>Login to %1 failed: %2</source>
        <translation>Accesso a %1 non riuscito: %2</translation>
    </message>
    <message>
        <location filename="../Project/Network/CUploadFtp.cpp" line="114"/>
        <location filename="../Project/Network/CUploadFtp.cpp" line="170"/>
        <source>Could not open the folder %1 on the server: %2</source>
        <translation>Impossibile aprire la cartella %1 sul server: %2</translation>
    </message>
    <message>
        <location filename="../Project/Network/CUploadFtp.cpp" line="124"/>
        <location filename="../Project/Network/CUploadFtp.cpp" line="199"/>
        <source>Could not list the folder %1 on the server: %2</source>
        <translation>Impossibile elencare la cartella %1 sul server: %2</translation>
    </message>
    <message>
        <location filename="../Project/Network/CUploadFtp.cpp" line="132"/>
        <source>Could not check the names in the folder %1 on the server, so files there of the same name may be replaced: %2</source>
        <translation>Impossibile controllare i nomi nella cartella %1 sul server, quindi i file con lo stesso nome che vi si trovano potrebbero essere sostituiti: %2</translation>
    </message>
    <message>
        <location filename="../Project/Network/CUploadFtp.cpp" line="149"/>
        <source>%1 replaced %2 on the server</source>
        <translation>%1 ha sostituito %2 sul server</translation>
    </message>
    <message>
        <location filename="../Project/Network/CUploadFtp.cpp" line="124"/>
        <location filename="../Project/Network/CUploadFtp.cpp" line="143"/>
        <location filename="../Project/Network/CUploadFtp.cpp" line="176"/>
        <source>Failed to upload %1: %2</source>
        <translation>Impossibile caricare %1: %2</translation>
    </message>
    <message>
        <location filename="../Project/Network/CUploadFtp.cpp" line="135"/>
        <source>%1 sent as %2: the name was taken</source>
        <translation>%1 inviata come %2: il nome era occupato</translation>
    </message>
    <message>
        <location filename="../Project/Network/CUpload.cpp" line="164"/>
        <source>%1 attached as %2: the name was taken</source>
        <translation>%1 allegata come %2: il nome era occupato</translation>
    </message>
</context>
<context>
    <name>CWizardStart</name>
    <message>
        <location filename="../Project/Forms/CWizardStart.ui" line="14"/>
        <location filename="../Project/Forms/CWizardStart.ui" line="24"/>
        <source>Welcome to Brandquill</source>
        <translation>Benvenuti in Brandquill</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CWizardStart.ui" line="30"/>
        <source>Brandquill edits many photos in one go. 1 Add Photos: add the photos you want to edit. 2 Edit Photos: choose text or logo marks, frames, shadow, crop, resize or rotate. 3 Setup: choose the output folder and image format. Then select Process.</source>
        <translation>Brandquill modifica molte foto in una sola volta. 1 Aggiungi foto: aggiunga le foto che desidera modificare. 2 Modifica foto: scelga marchi di testo o logo, cornici, ombra, ritaglio, ridimensionamento o rotazione. 3 Impostazioni: scelga la cartella di destinazione e il formato dell&apos;immagine. Quindi selezioni Elabora.</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CWizardStart.ui" line="45"/>
        <source>Take the Quick Tour</source>
        <translation>Visita guidata rapida</translation>
    </message>
    <message>
        <location filename="../Project/Forms/CWizardStart.ui" line="83"/>
        <source>Show this wizard when Brandquill starts</source>
        <translation>Mostra questa procedura guidata all&apos;avvio di Brandquill</translation>
    </message>
    <message>
        <location filename="../Project/Dialogs/CWizardStart.cpp" line="54"/>
        <source>Batch photo processing</source>
        <translation>Elaborazione di foto in serie</translation>
    </message>
</context>
<context>
    <name>FilterBlank</name>
    <message>
        <location filename="../Project/Forms/FilterBlank.ui" line="23"/>
        <source>There are no settings for this filter</source>
        <translation>Non ci sono impostazioni per questo filtro</translation>
    </message>
</context>
<context>
    <name>FilterCrop</name>
    <message>
        <location filename="../Project/Forms/FilterCrop.ui" line="14"/>
        <source>Original image size:</source>
        <translation>Dimensioni originali:</translation>
    </message>
    <message>
        <location filename="../Project/Forms/FilterCrop.ui" line="19"/>
        <source>Crop</source>
        <translation>Ritaglia</translation>
    </message>
    <message>
        <location filename="../Project/Forms/FilterCrop.ui" line="33"/>
        <source>Dimensions</source>
        <translation>Dimensioni</translation>
    </message>
    <message>
        <location filename="../Project/Forms/FilterCrop.ui" line="49"/>
        <source>Left</source>
        <translation>Sinistra</translation>
    </message>
    <message>
        <location filename="../Project/Forms/FilterCrop.ui" line="75"/>
        <source>Top</source>
        <translation>Alto</translation>
    </message>
    <message>
        <location filename="../Project/Forms/FilterCrop.ui" line="101"/>
        <source>Width</source>
        <translation>Larghezza</translation>
    </message>
    <message>
        <location filename="../Project/Forms/FilterCrop.ui" line="127"/>
        <source>Height</source>
        <translation>Altezza</translation>
    </message>
</context>
<context>
    <name>FilterRaise</name>
    <message>
        <location filename="../Project/Forms/FilterRaise.ui" line="14"/>
        <source>Border</source>
        <translation>Bordo</translation>
    </message>
    <message>
        <location filename="../Project/Forms/FilterRaise.ui" line="41"/>
        <source>Effect</source>
        <translation>Effetto</translation>
    </message>
</context>
<context>
    <name>FilterSettings</name>
    <message>
        <location filename="../Project/Forms/FilterSettings.ui" line="43"/>
        <source>Preview</source>
        <translation>Anteprima</translation>
    </message>
    <message>
        <location filename="../Project/Forms/FilterSettings.ui" line="128"/>
        <source>This is the watermark!</source>
        <translation>Questa è la filigrana!</translation>
    </message>
    <message>
        <location filename="../Project/Forms/FilterSettings.ui" line="141"/>
        <source>Original</source>
        <translation>Originale</translation>
    </message>
    <message>
        <location filename="../Project/Forms/FilterSettings.ui" line="219"/>
        <source>&amp;Show preview</source>
        <translation>&amp;Mostra anteprima</translation>
    </message>
    <message>
        <location filename="../Project/Forms/FilterSettings.ui" line="386"/>
        <source>S&amp;witch View</source>
        <translation>&amp;Cambia vista</translation>
    </message>
    <message>
        <location filename="../Project/Forms/FilterSettings.ui" line="421"/>
        <source>Reset</source>
        <translation>Ripristina</translation>
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
        <translation>Trasparenza</translation>
    </message>
    <message>
        <location filename="../Project/Forms/FilterShadow.ui" line="38"/>
        <source>Size</source>
        <translation>Dimensione</translation>
    </message>
    <message>
        <location filename="../Project/Forms/FilterShadow.ui" line="65"/>
        <source>Color</source>
        <translation>Colore</translation>
    </message>
    <message>
        <location filename="../Project/Forms/FilterShadow.ui" line="88"/>
        <source>Draw over a white background</source>
        <translation>Disegna su sfondo bianco</translation>
    </message>
</context>
<context>
    <name>FilterSimpleBorder</name>
    <message>
        <location filename="../Project/Forms/FilterSimpleBorder.ui" line="17"/>
        <source>Color</source>
        <translation>Colore</translation>
    </message>
    <message>
        <location filename="../Project/Forms/FilterSimpleBorder.ui" line="42"/>
        <source>Dimensions</source>
        <translation>Dimensioni</translation>
    </message>
    <message>
        <location filename="../Project/Forms/FilterSimpleBorder.ui" line="58"/>
        <source>Top</source>
        <translation>Alto</translation>
    </message>
    <message>
        <location filename="../Project/Forms/FilterSimpleBorder.ui" line="83"/>
        <source>Bottom</source>
        <translation>Basso</translation>
    </message>
    <message>
        <location filename="../Project/Forms/FilterSimpleBorder.ui" line="108"/>
        <source>Left</source>
        <translation>Sinistra</translation>
    </message>
    <message>
        <location filename="../Project/Forms/FilterSimpleBorder.ui" line="133"/>
        <source>Right</source>
        <translation>Destra</translation>
    </message>
    <message>
        <location filename="../Project/Forms/FilterSimpleBorder.ui" line="155"/>
        <source>Use uniform dimensions</source>
        <translation>Usa dimensioni uniformi</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="93"/>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="108"/>
        <source>Wi&amp;zard</source>
        <translation>&amp;Procedura guidata</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="120"/>
        <source>&amp;Help</source>
        <translation>&amp;Guida</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="124"/>
        <source>&amp;Tutorials</source>
        <translation>&amp;Esercitazioni</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="139"/>
        <source>&amp;Edit</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="148"/>
        <source>&amp;View</source>
        <translation>&amp;Visualizza</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="161"/>
        <source>&amp;New</source>
        <translation>&amp;Nuovo</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="169"/>
        <source>&amp;Load Profile</source>
        <translation>&amp;Carica profilo</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="172"/>
        <source>Ctrl+L</source>
        <translation>Ctrl+L</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="177"/>
        <source>Save Profile</source>
        <translation>Salva profilo</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="182"/>
        <location filename="../Project/Interface/MainWindowJobFiles.cpp" line="311"/>
        <source>Save Profile As</source>
        <translation>Salva profilo con nome</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="187"/>
        <source>Save Script</source>
        <translation>Salva script</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="192"/>
        <location filename="../Project/Interface/MainWindowJobFiles.cpp" line="348"/>
        <source>Save Script As</source>
        <translation>Salva script con nome</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="197"/>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="202"/>
        <source>&amp;Undo</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="205"/>
        <source>Undo</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="213"/>
        <source>&amp;Redo</source>
        <translation>&amp;Ripeti</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="216"/>
        <source>Redo</source>
        <translation>Ripeti</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="224"/>
        <source>&amp;Settings</source>
        <translation>&amp;Impostazioni</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="229"/>
        <source>Show &amp;Log</source>
        <translation>Mostra &amp;registro</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="234"/>
        <source>Select Pr&amp;ofile</source>
        <translation>Seleziona pr&amp;ofilo</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="239"/>
        <source>Step 1 - Add &amp;Photos</source>
        <translation>Passo 1 - Aggiungi &amp;foto</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="247"/>
        <source>Step 2 - Edit P&amp;hotos</source>
        <translation>Passo 2 - &amp;Modifica foto</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="255"/>
        <source>Step 3 - &amp;Setup</source>
        <translation>Passo 3 - &amp;Configurazione</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="263"/>
        <location filename="../Project/Interface/MainWindowToolbar.cpp" line="56"/>
        <source>Process</source>
        <translation>Elabora</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="271"/>
        <source>&amp;Help Manual</source>
        <translation>&amp;Manuale della guida</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="276"/>
        <source>Check for &amp;New Version</source>
        <translation>Cerca &amp;nuova versione</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="281"/>
        <source>&amp;Online Support</source>
        <translation>&amp;Assistenza online</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="286"/>
        <source>&amp;Visit Our Web Site</source>
        <translation>&amp;Visita il nostro sito web</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="291"/>
        <source>&amp;About Us</source>
        <translation>&amp;Informazioni su di noi</translation>
    </message>
    <message>
        <location filename="../Project/Forms/MainWindow.ui" line="296"/>
        <source>How to &amp;Resize and Rotate Photos</source>
        <translation>Come &amp;ridimensionare e ruotare le foto</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainWindow.cpp" line="291"/>
        <source>The settings could not be saved to %1. Changes to them will be lost.</source>
        <translation>Impossibile salvare le impostazioni in %1. Le modifiche andranno perse.</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainWindow.cpp" line="388"/>
        <source>The log file will be created after the first processing session.</source>
        <translation>Il file di registro verrà creato dopo la prima sessione di elaborazione.</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainWindowTheme.cpp" line="122"/>
        <source>You need to restart Brandquill for the changes to take effect.</source>
        <translation>È necessario riavviare Brandquill per rendere effettive le modifiche.</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainWindowToolbar.cpp" line="37"/>
        <source>Wizard Steps</source>
        <translation>Passi della procedura guidata</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainWindowToolbar.cpp" line="56"/>
        <source>Add Photos</source>
        <translation>Aggiungi foto</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainWindowToolbar.cpp" line="56"/>
        <source>Edit Photos</source>
        <translation>Modifica foto</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainWindowToolbar.cpp" line="56"/>
        <source>Setup</source>
        <translation>Configurazione</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainWindowToolbar.cpp" line="66"/>
        <source>Step 1 - Add all the photos you want to edit</source>
        <translation>Passo 1 - Aggiunga tutte le foto che desidera modificare</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainWindowToolbar.cpp" line="68"/>
        <source>Step 2 - Set the graphic filters that will be applied on all selected photos</source>
        <translation>Passo 2 - Imposti i filtri grafici che verranno applicati a tutte le foto selezionate</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainWindowToolbar.cpp" line="69"/>
        <source>Step 3 - Select the output path and image format for the edited photos</source>
        <translation>Passo 3 - Selezioni il percorso di uscita e il formato immagine per le foto modificate</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainWindowToolbar.cpp" line="70"/>
        <source>When you are ready select Process to have all your photos edited</source>
        <translation>Quando è pronto, selezioni Elabora per modificare tutte le foto</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainWindowToolbar.cpp" line="74"/>
        <source>Help</source>
        <translation>Guida</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainWindowJobFiles.cpp" line="91"/>
        <source>Not everything in the job file could be read as written:</source>
        <translation>Non tutto il file del lavoro ha potuto essere letto come è scritto:</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainWindowJobFiles.cpp" line="106"/>
        <source>Photos are being processed. The file was not opened:
%1</source>
        <translation>Elaborazione delle foto in corso. Il file non è stato aperto:
%1</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainWindowJobFiles.cpp" line="143"/>
        <source>Loading a profile will overwrite your settings. Continue?</source>
        <translation>Il caricamento di un profilo sovrascriverà le impostazioni correnti. Continuare?</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainWindowJobFiles.cpp" line="165"/>
        <source>Now just add your photos in Step 1 and optionally adjust the settings from Step 2 and Step 3 as you like.

When you are done select Process.</source>
        <translation>Ora aggiunga le foto nel Passo 1 e, se lo desidera, regoli le impostazioni nel Passo 2 e nel Passo 3.

Al termine selezioni Elabora.</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainWindowJobFiles.cpp" line="178"/>
        <source>Could not load profile.</source>
        <translation>Impossibile caricare il profilo.</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainWindowJobFiles.cpp" line="202"/>
        <source>Could not load script.</source>
        <translation>Impossibile caricare lo script.</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainWindowJobFiles.cpp" line="301"/>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 esiste già.
Sostituirlo?</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainWindowJobFiles.cpp" line="311"/>
        <source>Profile Files (*.bqf)</source>
        <translation>File di profilo (*.bqf)</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainWindowJobFiles.cpp" line="333"/>
        <source>Could not save profile.</source>
        <translation>Impossibile salvare il profilo.</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainWindowJobFiles.cpp" line="348"/>
        <source>Script Files (*.bqs)</source>
        <translation>File di script (*.bqs)</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainWindowJobFiles.cpp" line="362"/>
        <source>Could not save script.</source>
        <translation>Impossibile salvare lo script.</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainWindowJobFiles.cpp" line="384"/>
        <source>Your settings will be discarded. Continue?</source>
        <translation>Le impostazioni correnti andranno perse. Continuare?</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainWindowJobFiles.cpp" line="440"/>
        <source>Would you like to save your settings?</source>
        <translation>Desidera salvare le impostazioni?</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainWindowRun.cpp" line="55"/>
        <source>There are no photos to process.</source>
        <translation>Non ci sono foto da elaborare.</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainWindowRun.cpp" line="63"/>
        <source>Ready to process %1 photos?</source>
        <translation>Procedere con l&apos;elaborazione di %1 foto?</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainWindowRun.cpp" line="69"/>
        <source>An output folder, for the edited photos, needs to be selected before processing (Step 3 &gt; Destination &gt; Folder on My Computer)</source>
        <translation>Prima di elaborare è necessario selezionare una cartella di destinazione per le foto modificate (Passo 3 &gt; Destinazione &gt; Cartella sul computer)</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainWindowRun.cpp" line="77"/>
        <source>The output folder is not a full path:
%1</source>
        <translation>La cartella di destinazione non è un percorso completo:
%1</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainWindowRun.cpp" line="85"/>
        <source>The output folder path names a file, not a folder:
%1</source>
        <translation>Il percorso della cartella di destinazione indica un file, non una cartella:
%1</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainWindowRun.cpp" line="90"/>
        <source>The selected folder does not exist, do you want to create it now?</source>
        <translation>La cartella selezionata non esiste. Crearla ora?</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainWindowRun.cpp" line="96"/>
        <source>Could not create the output folder %1: %2.</source>
        <translation>Impossibile creare la cartella di destinazione %1: %2.</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainWindowRun.cpp" line="104"/>
        <source>You have selected to delete the source photos after writing the modified ones. Continue?</source>
        <translation>Ha scelto di eliminare le foto originali dopo la scrittura di quelle modificate. Continuare?</translation>
    </message>
    <message>
        <location filename="../Project/Interface/MainWindowRun.cpp" line="116"/>
        <source>No photo was processed: the destination is not one that Step 3 offers. Choose one in Step 3 &gt; Destination.</source>
        <translation>Nessuna foto è stata elaborata: la destinazione non è tra quelle offerte dal Passo 3. Ne scelga una in Passo 3 &gt; Destinazione.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="15"/>
        <source>Annotates with a single or multi-line text comment</source>
        <translation>Aggiunge un commento di testo su una o più righe</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="16"/>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="35"/>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="88"/>
        <source>Stamps picture with date and time information</source>
        <translation>Imprime sulla foto le informazioni di data e ora</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="17"/>
        <source>Adds a text copyright notice</source>
        <translation>Aggiunge una nota di copyright testuale</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="18"/>
        <source>Adds a copyright logo</source>
        <translation>Aggiunge un logo di copyright</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="19"/>
        <source>Adds a simple shaped frame</source>
        <translation>Aggiunge una semplice cornice sagomata</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="20"/>
        <source>Adds a grunge frame</source>
        <translation>Aggiunge una cornice grunge</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="21"/>
        <source>Adds different masks for portrait and landscape photos</source>
        <translation>Aggiunge maschere diverse per le foto verticali e orizzontali</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="22"/>
        <source>Adds a classic picture frame</source>
        <translation>Aggiunge una cornice classica</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="23"/>
        <source>Adds a vintage frame</source>
        <translation>Aggiunge una cornice vintage</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="24"/>
        <source>Creates a Polaroid-like picture frame</source>
        <translation>Crea una cornice in stile Polaroid</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="25"/>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="50"/>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="98"/>
        <source>Lightens or darkens image edges to give a 3D raised or lowered effect</source>
        <translation>Schiarisce o scurisce i bordi dell&apos;immagine per un effetto 3D in rilievo o incassato</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="26"/>
        <source>Gives picture a shadow effect around the edges</source>
        <translation>Applica alla foto un effetto ombra lungo i bordi</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="27"/>
        <source>Adds a simple border around the picture</source>
        <translation>Aggiunge un semplice bordo intorno alla foto</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="28"/>
        <source>Makes picture hazy in appearance</source>
        <translation>Dà alla foto un aspetto sfumato</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="29"/>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="44"/>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="94"/>
        <source>Transforms picture to a charcoal sketch</source>
        <translation>Trasforma la foto in uno schizzo a carboncino</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="30"/>
        <source>Highlights edges in picture</source>
        <translation>Evidenzia i contorni della foto</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="31"/>
        <source>Highlights edges in picture with a 3D effect</source>
        <translation>Evidenzia i contorni della foto con un effetto 3D</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="32"/>
        <source>Makes picture hazy in appearance using the gaussian blur algorithm</source>
        <translation>Dà alla foto un aspetto sfumato con l&apos;algoritmo di sfocatura gaussiana</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="33"/>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="42"/>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="95"/>
        <source>Transforms from true colors to grayscale colors</source>
        <translation>Converte i colori reali in scala di grigi</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="34"/>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="46"/>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="96"/>
        <source>Creates an implosion effect in the center of the image</source>
        <translation>Crea un effetto di implosione al centro dell&apos;immagine</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="35"/>
        <source>Replaces every pixel with its complementary color</source>
        <translation>Sostituisce ogni pixel con il suo colore complementare</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="36"/>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="38"/>
        <source>Adds noise to picture</source>
        <translation>Aggiunge rumore alla foto</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="37"/>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="48"/>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="97"/>
        <source>Makes picture look like an oil painting</source>
        <translation>Fa sembrare la foto un dipinto a olio</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="38"/>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="52"/>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="99"/>
        <source>Makes picture look older, in warmer colors</source>
        <translation>Fa sembrare la foto più vecchia, con colori più caldi</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="39"/>
        <source>Makes picture look like the photographic film was exposed to light during the development process</source>
        <translation>Fa sembrare la foto come se la pellicola fosse stata esposta alla luce durante lo sviluppo</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="40"/>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="54"/>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="100"/>
        <source>Makes picture look like a sculpture in grayscale or true colors</source>
        <translation>Fa sembrare la foto una scultura in scala di grigi o a colori reali</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="41"/>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="56"/>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="101"/>
        <source>Makes picture blurry by spreading pixels randomly</source>
        <translation>Rende la foto sfocata spargendo i pixel in modo casuale</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="42"/>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="58"/>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="102"/>
        <source>Creates a twisting motion</source>
        <translation>Crea un movimento a spirale</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="43"/>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="60"/>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="103"/>
        <source>Creates a horizontal wave effect</source>
        <translation>Crea un effetto onda orizzontale</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="44"/>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="30"/>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="89"/>
        <source>Automatically adjusts contrast</source>
        <translation>Regola automaticamente il contrasto</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="45"/>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="104"/>
        <source>Automatically adjusts gamma level</source>
        <translation>Regola automaticamente il livello gamma</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="46"/>
        <source>Automatically adjusts color levels</source>
        <translation>Regola automaticamente i livelli di colore</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="47"/>
        <source>Adjusts light intensity</source>
        <translation>Regola l&apos;intensità della luce</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="48"/>
        <source>Enhances the intensity differences between the lighter and darker pixels</source>
        <translation>Accentua la differenza di intensità tra i pixel più chiari e quelli più scuri</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="49"/>
        <source>Adjusts the Red, Green and Blue color channels</source>
        <translation>Regola i canali di colore rosso, verde e blu</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="50"/>
        <source>Applies a histogram equalization</source>
        <translation>Applica un&apos;equalizzazione dell&apos;istogramma</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="51"/>
        <source>Corrects Hue, Saturation and Lightness</source>
        <translation>Corregge tonalità, saturazione e luminosità</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="52"/>
        <source>Adjusts levels by scaling the colors falling between specified white and black points to the full available quantum range</source>
        <translation>Regola i livelli adattando i colori compresi tra i punti di bianco e di nero indicati all&apos;intera gamma disponibile</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="53"/>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="90"/>
        <source>Reduces noise caused by poor lighting conditions or mobile digital cameras</source>
        <translation>Riduce il rumore causato da scarsa illuminazione o da fotocamere di dispositivi mobili</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="54"/>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="40"/>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="91"/>
        <source>Sharpens picture by enhancing edge contrast</source>
        <translation>Aumenta la nitidezza accentuando il contrasto dei contorni</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="55"/>
        <source>Uses Radius and Threshold options to sharpen picture</source>
        <translation>Usa le opzioni Raggio e Soglia per aumentare la nitidezza</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="56"/>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="32"/>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="92"/>
        <source>Automatically rotates photos based on the information embedded by the digital camera</source>
        <translation>Ruota automaticamente le foto in base alle informazioni registrate dalla fotocamera digitale</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="57"/>
        <source>Automatically crops the image according to a specified aspect ratio</source>
        <translation>Ritaglia automaticamente l&apos;immagine secondo le proporzioni indicate</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="58"/>
        <source>Replaces a RGB color or the Alpha channel</source>
        <translation>Sostituisce un colore RGB o il canale alfa</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="59"/>
        <source>Cuts a rectangular subregion from the image</source>
        <translation>Ritaglia una porzione rettangolare dell&apos;immagine</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="60"/>
        <source>Flips picture in vertical and/or horizontal direction</source>
        <translation>Capovolge la foto in verticale e/o in orizzontale</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="61"/>
        <source>Adjusts image size using pixels or percents</source>
        <translation>Regola le dimensioni dell&apos;immagine in pixel o in percentuale</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="62"/>
        <source>Adjusts document size and DPI resolution</source>
        <translation>Regola le dimensioni del documento e la risoluzione DPI</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="63"/>
        <source>Rolls vertically or horizontally by a specified number of pixels</source>
        <translation>Scorre in verticale o in orizzontale di un numero di pixel indicato</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="64"/>
        <source>Rotates by a specified number of degrees</source>
        <translation>Ruota di un numero di gradi indicato</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="65"/>
        <source>Creates a small thumbnail from the picture</source>
        <translation>Crea una piccola miniatura dalla foto</translation>
    </message>
    <message>
        <location filename="../Project/Core/FilterDescriptions.h" line="66"/>
        <location filename="../Project/Interface/MainPanel2Names.cpp" line="45"/>
        <location filename="../Project/Interface/MainPanel3Format.cpp" line="13"/>
        <source>Keep original image format (if possible)</source>
        <translation>Mantieni il formato originale dell&apos;immagine (se possibile)</translation>
    </message>
    <message>
        <location filename="../Project/Core/FiltersEnum.cpp" line="25"/>
        <source>Text</source>
        <translation>Testo</translation>
    </message>
    <message>
        <location filename="../Project/Core/FiltersEnum.cpp" line="26"/>
        <source>Logo</source>
        <translation>Logo</translation>
    </message>
    <message>
        <location filename="../Project/Core/FiltersEnum.cpp" line="27"/>
        <source>Shape Frame</source>
        <translation>Cornice sagomata</translation>
    </message>
    <message>
        <location filename="../Project/Core/FiltersEnum.cpp" line="28"/>
        <source>Grunge Frame</source>
        <translation>Cornice grunge</translation>
    </message>
    <message>
        <location filename="../Project/Core/FiltersEnum.cpp" line="29"/>
        <source>Picture Frame</source>
        <translation>Cornice classica</translation>
    </message>
    <message>
        <location filename="../Project/Core/FiltersEnum.cpp" line="30"/>
        <source>Vintage Frame</source>
        <translation>Cornice vintage</translation>
    </message>
    <message>
        <location filename="../Project/Core/FiltersEnum.cpp" line="31"/>
        <source>Raise</source>
        <translation>Rilievo</translation>
    </message>
    <message>
        <location filename="../Project/Core/FiltersEnum.cpp" line="32"/>
        <source>Shadow</source>
        <translation>Ombra</translation>
    </message>
    <message>
        <location filename="../Project/Core/FiltersEnum.cpp" line="33"/>
        <source>Simple Border</source>
        <translation>Bordo semplice</translation>
    </message>
    <message>
        <location filename="../Project/Core/FiltersEnum.cpp" line="34"/>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="31"/>
        <source>Auto Rotate</source>
        <translation>Rotazione automatica</translation>
    </message>
    <message>
        <location filename="../Project/Core/FiltersEnum.cpp" line="35"/>
        <source>Crop</source>
        <translation>Ritaglia</translation>
    </message>
    <message>
        <location filename="../Project/Core/FiltersEnum.cpp" line="36"/>
        <source>Resize</source>
        <translation>Ridimensiona</translation>
    </message>
    <message>
        <location filename="../Project/Core/FiltersEnum.cpp" line="37"/>
        <source>Rotate</source>
        <translation>Ruota</translation>
    </message>
    <message>
        <location filename="../Project/Core/FiltersEnum.cpp" line="70"/>
        <source>Marks</source>
        <translation>Marchi</translation>
    </message>
    <message>
        <location filename="../Project/Core/FiltersEnum.cpp" line="71"/>
        <source>Border</source>
        <translation>Bordo</translation>
    </message>
    <message>
        <location filename="../Project/Core/FiltersEnum.cpp" line="72"/>
        <source>Transform</source>
        <translation>Trasforma</translation>
    </message>
    <message>
        <location filename="../Project/Engine/ImageInfoText.cpp" line="50"/>
        <source>Photo not found</source>
        <translation>Foto non trovata</translation>
    </message>
    <message>
        <location filename="../Project/Engine/ImageInfoText.cpp" line="59"/>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <location filename="../Project/Engine/ImageInfoText.cpp" line="60"/>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <location filename="../Project/Engine/ImageInfoText.cpp" line="61"/>
        <location filename="../Project/Processing/CDialogOverwrite.cpp" line="73"/>
        <source>Size</source>
        <translation>Dimensione file</translation>
    </message>
    <message>
        <location filename="../Project/Engine/ImageInfoText.cpp" line="67"/>
        <source>Dimensions</source>
        <translation>Dimensioni</translation>
    </message>
    <message>
        <location filename="../Project/Engine/ImageInfoText.cpp" line="70"/>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <location filename="../Project/Engine/ImageInfoText.cpp" line="72"/>
        <source>Camera</source>
        <translation>Fotocamera</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="17"/>
        <source>Convert to JPEG with High Quality</source>
        <translation>Converti in JPEG ad alta qualità</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="18"/>
        <source>Convert to JPEG file format with high quality (90%) which will result in larger file sizes.</source>
        <translation>Converte nel formato JPEG ad alta qualità (90%), con file di dimensioni maggiori.</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="20"/>
        <source>Convert to JPEG with Medium Quality</source>
        <translation>Converti in JPEG a qualità media</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="21"/>
        <source>Convert to JPEG file format with medium quality (75%) which will result in medium file sizes.</source>
        <translation>Converte nel formato JPEG a qualità media (75%), con file di dimensioni medie.</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="23"/>
        <source>Convert to PDF Album</source>
        <translation>Converti in album PDF</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="24"/>
        <source>Create a single PDF album from all the photos added</source>
        <translation>Crea un unico album PDF con tutte le foto aggiunte</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="25"/>
        <source>Convert to PNG</source>
        <translation>Converti in PNG</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="26"/>
        <source>Convert to PNG file format for the best quality.</source>
        <translation>Converte nel formato PNG per la migliore qualità.</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="27"/>
        <source>Convert to TIFF</source>
        <translation>Converti in TIFF</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="28"/>
        <source>Convert to TIFF file format for the best quality.</source>
        <translation>Converte nel formato TIFF per la migliore qualità.</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="29"/>
        <source>Auto Contrast</source>
        <translation>Contrasto automatico</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="34"/>
        <source>Add Date and Time</source>
        <translation>Aggiungi data e ora</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="36"/>
        <source>Reduce Noise</source>
        <translation>Riduci rumore</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="39"/>
        <source>Adjust Sharpness</source>
        <translation>Regola nitidezza</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="41"/>
        <source>Effect Black &amp; White</source>
        <translation>Effetto bianco &amp; nero</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="43"/>
        <source>Effect Charcoal</source>
        <translation>Effetto carboncino</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="45"/>
        <source>Effect Implode</source>
        <translation>Effetto implosione</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="47"/>
        <source>Effect Oil Painting</source>
        <translation>Effetto pittura a olio</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="49"/>
        <source>Effect Raise</source>
        <translation>Effetto rilievo</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="51"/>
        <source>Effect Sepia</source>
        <translation>Effetto seppia</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="53"/>
        <source>Effect Shade</source>
        <translation>Effetto ombreggiatura</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="55"/>
        <source>Effect Spread</source>
        <translation>Effetto dispersione</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="57"/>
        <source>Effect Swirl</source>
        <translation>Effetto vortice</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="59"/>
        <source>Effect Wave</source>
        <translation>Effetto onda</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="61"/>
        <source>Rename to Folder&apos;s Name</source>
        <translation>Rinomina con il nome della cartella</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="62"/>
        <source>If photos are organized into a folder with a meaningful name, this profile will rename all contained pictures to the folder&apos;s name</source>
        <translation>Se le foto sono organizzate in una cartella con un nome significativo, questo profilo rinomina tutte le immagini contenute con il nome della cartella</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="64"/>
        <source>Rename to Photo&apos;s Date</source>
        <translation>Rinomina con la data della foto</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="65"/>
        <source>Change the names for a set of photos to the original dates when they were taken and also adds a counter to differentiate between photos taken at the same time</source>
        <translation>Cambia i nomi di un gruppo di foto nelle date originali di scatto e aggiunge un contatore per distinguere le foto scattate nello stesso momento</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="68"/>
        <source>Resize for Auction Site</source>
        <translation>Ridimensiona per siti di aste</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="69"/>
        <source>Make photos very small (400x300) for uploading to auction sites like eBay</source>
        <translation>Rende le foto molto piccole (400x300) per caricarle su siti di aste come eBay</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="70"/>
        <source>Resize for Sending via Email</source>
        <translation>Ridimensiona per l&apos;invio via e-mail</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="71"/>
        <source>Make photos smaller (1280x960) for sending as attachment via email</source>
        <translation>Rende le foto più piccole (1280x960) per inviarle come allegato via e-mail</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="72"/>
        <source>Resize for Uploading Online</source>
        <translation>Ridimensiona per il caricamento online</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="73"/>
        <source>Make photos smaller (1600x1200) for uploading online to sites like Facebook, Picasa, or for sharing with friends</source>
        <translation>Rende le foto più piccole (1600x1200) per caricarle online su siti come Facebook o Picasa, o per condividerle con gli amici</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="75"/>
        <source>Send via E-mail</source>
        <translation>Invia via e-mail</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="76"/>
        <source>Send photos via E-mail</source>
        <translation>Invia le foto via e-mail</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="77"/>
        <source>Upload to Twitpic</source>
        <translation>Carica su Twitpic</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="78"/>
        <source>Upload photos to Twitpic</source>
        <translation>Carica le foto su Twitpic</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="79"/>
        <source>Upload to Picasa</source>
        <translation>Carica su Picasa</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="80"/>
        <source>Upload photos to Picasa</source>
        <translation>Carica le foto su Picasa</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="81"/>
        <source>Upload to Facebook</source>
        <translation>Carica su Facebook</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="82"/>
        <source>Upload photos to Facebook</source>
        <translation>Carica le foto su Facebook</translation>
    </message>
    <message>
        <location filename="../Project/Jobs/ProfileDescriptions.cpp" line="87"/>
        <source>Auto Gamma</source>
        <translation>Gamma automatica</translation>
    </message>
</context>
<context>
    <name>TempFolder</name>
    <message>
        <location filename="../Project/Core/TempFolder.cpp" line="69"/>
        <source>%1 does not exist</source>
        <translation>%1 non esiste</translation>
    </message>
    <message>
        <location filename="../Project/Core/TempFolder.cpp" line="32"/>
        <location filename="../Project/Core/TempFolder.cpp" line="93"/>
        <source>cannot create %1: %2</source>
        <translation>impossibile creare %1: %2</translation>
    </message>
    <message>
        <location filename="../Project/Core/TempFolder.cpp" line="37"/>
        <source>cannot examine %1: %2</source>
        <translation>impossibile esaminare %1: %2</translation>
    </message>
    <message>
        <location filename="../Project/Core/TempFolder.cpp" line="40"/>
        <source>%1 is a symbolic link</source>
        <translation>%1 è un collegamento simbolico</translation>
    </message>
    <message>
        <location filename="../Project/Core/TempFolder.cpp" line="42"/>
        <source>%1 is not a folder</source>
        <translation>%1 non è una cartella</translation>
    </message>
    <message>
        <location filename="../Project/Core/TempFolder.cpp" line="44"/>
        <source>%1 belongs to another user</source>
        <translation>%1 appartiene a un altro utente</translation>
    </message>
    <message>
        <location filename="../Project/Core/TempFolder.cpp" line="46"/>
        <source>cannot restrict %1: %2</source>
        <translation>impossibile limitare l&apos;accesso a %1: %2</translation>
    </message>
</context>
<context>
    <name>Utils</name>
    <message>
        <location filename="../Project/Core/Utils.cpp" line="255"/>
        <source>Nothing could open %1. Please open it yourself.</source>
        <translation>Nessun programma ha potuto aprire %1. Lo apra manualmente.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <location filename="../Project/Interface/main.cpp" line="20"/>
        <source>A display is needed (DISPLAY or WAYLAND_DISPLAY); without one, give a script to run: brandquill /path/to/job.bqs</source>
        <translation>È necessario un display (DISPLAY o WAYLAND_DISPLAY); senza display, indichi uno script da eseguire: brandquill /percorso/del/lavoro.bqs</translation>
    </message>
    <message>
        <location filename="../Project/Interface/main.cpp" line="22"/>
        <source>The display %1 could not be opened, and the window needs one; without it, give a script to run: brandquill /path/to/job.bqs</source>
        <translation>Impossibile aprire il display %1, e la finestra ne ha bisogno; senza display, indichi uno script da eseguire: brandquill /percorso/del/lavoro.bqs</translation>
    </message>
</context>
</TS>
