<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>QObject</name>
    <message>
        <source>Crop</source>
        <translation>Zuschneiden</translation>
    </message>
    <message>
        <source>Transform</source>
        <translation>Transformieren</translation>
    </message>
    <message>
        <source>Cuts a rectangular subregion from the image</source>
        <translation>Schneidet einen rechteckigen Bereich aus dem Bild</translation>
    </message>
    <message>
        <source>Keep original image format (if possible)</source>
        <translation>Originalformat beibehalten (wenn möglich)</translation>
    </message>
</context>
<context>
    <name>CFiltersEnum</name>
    <message>
        <source>Logo</source>
        <translation>Falscher Kontext</translation>
    </message>
</context>
</TS>
