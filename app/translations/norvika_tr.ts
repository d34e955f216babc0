<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr_TR">
<context>
    <name>norvika</name>
    <message>
        <source>Save picture…</source>
        <translation>Resmi kaydet…</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>PNG resmi (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>SVG çizimi (*.svg)</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>PDF belgesi (*.pdf)</translation>
    </message>
    <message>
        <source>Save picture</source>
        <translation>Resmi kaydet</translation>
    </message>
    <message>
        <source>Could not write %1.</source>
        <translation>%1 yazılamadı.</translation>
    </message>
    <message>
        <source>Stop the run?</source>
        <translation>Hesap durdurulsun mu?</translation>
    </message>
    <message>
        <source>Nothing of this run will be written; the result files of earlier runs are kept.</source>
        <translation>Bu hesaptan hiçbir şey yazılmayacak; önceki hesapların sonuç dosyaları korunur.</translation>
    </message>
    <message>
        <source>Norvika: choose the run directory (with Norvika.TSK)</source>
        <translation>Norvika: hesap klasörünü seçin (Norvika.TSK bulunan)</translation>
    </message>
    <message>
        <source>The run was ended by the answer</source>
        <translation>Hesap şu cevapla sona erdi:</translation>
    </message>
    <message>
        <source>(there is an error in the drawing).</source>
        <translation>(çizimde yanlışlık var).</translation>
    </message>
    <message>
        <source>Nothing was written; the result files of earlier runs are kept.</source>
        <translation>Hiçbir şey yazılmadı; önceki hesapların sonuç dosyaları korunur.</translation>
    </message>
    <message>
        <source>Norvika.SON holds the report up to the displacement lines;</source>
        <translation>Norvika.SON raporu deplasman satırlarına kadar içeriyor;</translation>
    </message>
    <message>
        <source>the result files of an earlier run were removed, as they belonged to another run:</source>
        <translation>başka bir hesaba ait oldukları için önceki hesabın sonuç dosyaları silindi:</translation>
    </message>
    <message>
        <source>SEPHIYE.TXT was not written.</source>
        <translation>SEPHIYE.TXT yazılmadı.</translation>
    </message>
    <message>
        <source>&amp;Keep the windows open</source>
        <translation>&amp;Pencereleri açık bırak</translation>
    </message>
    <message>
        <source>Norvika task files (%1)</source>
        <translation>Norvika görev dosyaları (%1)</translation>
    </message>
    <message>
        <source>The folder %1 holds no task file Norvika.TSK. Choose the folder of a run, the one that holds its Norvika.TSK.</source>
        <translation>%1 klasöründe Norvika.TSK görev dosyası yok. Bir hesabın klasörünü, Norvika.TSK dosyasını içeren klasörü seçin.</translation>
    </message>
    <message>
        <source>no run directory chosen; nothing was run</source>
        <translation>hesap klasörü seçilmedi; hesap yapılmadı</translation>
    </message>
</context>
<context>
    <name>QAbstractFileIconProvider</name>
    <message>
        <source>Folder</source>
        <comment>All other platforms</comment>
        <translation>Klasör</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Sürücü</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <comment>All other platforms</comment>
        <translation>Kısayol</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Bilinmeyen</translation>
    </message>
</context>
</TS>
