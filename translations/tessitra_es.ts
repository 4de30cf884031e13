<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>BackUpController</name>
    <message>
        <source>%1 and %2</source>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>%1: File not found.</source>
        <translation>%1: archivo no encontrado.</translation>
    </message>
    <message>
        <source>%1 is cut short or damaged.</source>
        <translation>%1 está incompleto o dañado.</translation>
    </message>
    <message>
        <source>%1 is not a back-up file.</source>
        <translation>%1 no es un archivo de copia de seguridad.</translation>
    </message>
    <message>
        <source>Open Back-Up</source>
        <translation>Abrir copia de seguridad</translation>
    </message>
    <message>
        <source>not compared</source>
        <translation>sin comparar</translation>
    </message>
    <message>
        <source>same</source>
        <translation>igual</translation>
    </message>
    <message>
        <source>other settings</source>
        <translation>otros ajustes</translation>
    </message>
    <message>
        <source>renamed</source>
        <translation>renombrado</translation>
    </message>
    <message>
        <source>changed</source>
        <translation>cambiado</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>falta</translation>
    </message>
    <message>
        <source>Compared with %1, taken %2</source>
        <translation>Comparada con %1, creada el %2</translation>
    </message>
    <message>
        <source>Compared with the unit, settings included.</source>
        <translation>Comparada con la unidad, ajustes incluidos.</translation>
    </message>
    <message>
        <source>same name</source>
        <translation>mismo nombre</translation>
    </message>
    <message>
        <source>Compared with the unit by names and set lists; Compare settings reads its presets once.</source>
        <translation>Comparada con la unidad por nombres y setlists; Comparar ajustes lee sus presets una vez.</translation>
    </message>
    <message>
        <source>Not compared: the unit connected is of another model.</source>
        <translation>Sin comparar: la unidad conectada es de otro modelo.</translation>
    </message>
    <message>
        <source>Not compared: no unit is connected.</source>
        <translation>Sin comparar: no hay ninguna unidad conectada.</translation>
    </message>
    <message>
        <source>Compare Settings</source>
        <translation>Comparar ajustes</translation>
    </message>
    <message>
        <source>Reading the presets of the unit...</source>
        <translation>Leyendo los presets de la unidad...</translation>
    </message>
    <message>
        <source>Compare With</source>
        <translation>Comparar con</translation>
    </message>
    <message>
        <source>BACKUP(*.%1)</source>
        <translation>Copia de seguridad (*.%1)</translation>
    </message>
    <message>
        <source>%1 and %2 are back-ups of different models.</source>
        <translation>%1 y %2 son copias de seguridad de modelos distintos.</translation>
    </message>
    <message>
        <source>the favourites</source>
        <translation>la lista de favoritos</translation>
    </message>
    <message>
        <source>set list %1</source>
        <translation>el setlist %1</translation>
    </message>
    <message>
        <source>the system parameters</source>
        <translation>los parámetros del sistema</translation>
    </message>
    <message>
        <source>Restore Selected</source>
        <translation>Restaurar selección</translation>
    </message>
    <message>
        <source>What the unit holds in %1 will be replaced by what %2 holds there; everything else stays as it is.</source>
        <translation>El contenido de %1 en la unidad se sustituirá por el de %2; todo lo demás quedará como está.</translation>
    </message>
    <message>
        <source>Do you want to put them back?</source>
        <translation>¿Desea restaurarlos?</translation>
    </message>
    <message>
        <source>Restoring...</source>
        <translation>Restaurando...</translation>
    </message>
    <message>
        <source>Load Presets</source>
        <translation>Cargar presets</translation>
    </message>
    <message>
        <source>%1 is not a back-up of the unit connected&apos;s model. Nothing was changed.</source>
        <translation>%1 no es una copia de seguridad del modelo de la unidad conectada. No se ha cambiado nada.</translation>
    </message>
    <message>
        <source>Do you want to overwrite the presets?</source>
        <translation>¿Desea sobrescribir los presets?</translation>
    </message>
    <message>
        <source>Do you want to overwrite the presets &lt;b&gt;%1&lt;/b&gt; with &lt;b&gt;%2&lt;/b&gt; from &lt;b&gt;%3&lt;/b&gt;?</source>
        <translation>¿Desea sobrescribir los presets &lt;b&gt;%1&lt;/b&gt; con &lt;b&gt;%2&lt;/b&gt; de &lt;b&gt;%3&lt;/b&gt;?</translation>
    </message>
    <message>
        <source>Load Preset</source>
        <translation>Cargar preset</translation>
    </message>
    <message>
        <source>Loading presets.</source>
        <translation>Cargando presets.</translation>
    </message>
</context>
<context>
    <name>BackUpView</name>
    <message>
        <source>Favorites</source>
        <translation>Favoritos</translation>
    </message>
    <message>
        <source>Set List %1</source>
        <translation>Setlist %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Close the back-up beside the unit</source>
        <translation>Cerrar la copia de seguridad abierta junto a la unidad</translation>
    </message>
    <message>
        <source>Compare settings</source>
        <translation>Comparar ajustes</translation>
    </message>
    <message>
        <source>Read the presets of the unit once to compare their settings too</source>
        <translation>Leer una vez los presets de la unidad para comparar también sus ajustes</translation>
    </message>
    <message>
        <source>Compare with...</source>
        <translation>Comparar con...</translation>
    </message>
    <message>
        <source>Compare with another back-up instead of the unit</source>
        <translation>Comparar con otra copia de seguridad en lugar de con la unidad</translation>
    </message>
    <message>
        <source>Compare with the unit</source>
        <translation>Comparar con la unidad</translation>
    </message>
    <message>
        <source>Compare with the unit again</source>
        <translation>Volver a comparar con la unidad</translation>
    </message>
    <message>
        <source>Only differences</source>
        <translation>Solo diferencias</translation>
    </message>
    <message>
        <source>Show only the entries that differ</source>
        <translation>Mostrar solo las entradas que difieren</translation>
    </message>
    <message>
        <source>Back-up entries</source>
        <translation>Entradas de la copia de seguridad</translation>
    </message>
    <message>
        <source>Drag presets onto the user presets to put them back</source>
        <translation>Arrastre presets sobre los presets de usuario para restaurarlos</translation>
    </message>
    <message>
        <source>Entry</source>
        <translation>Entrada</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>Marca</translation>
    </message>
    <message>
        <source>Drag presets onto the user presets to put them back.</source>
        <translation>Arrastre presets sobre los presets de usuario para restaurarlos.</translation>
    </message>
    <message>
        <source>Restore selected...</source>
        <translation>Restaurar selección...</translation>
    </message>
    <message>
        <source>Put back the chosen presets, set lists or system parameters</source>
        <translation>Restaurar los presets, setlists o parámetros del sistema elegidos</translation>
    </message>
    <message>
        <source>Taken %1</source>
        <translation>Creada el %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>not in this back-up</source>
        <translation>no está en esta copia</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vacío</translation>
    </message>
    <message>
        <source>System parameters: held</source>
        <translation>Parámetros del sistema: incluidos</translation>
    </message>
    <message>
        <source>System parameters: not in this back-up</source>
        <translation>Parámetros del sistema: no están en esta copia</translation>
    </message>
    <message>
        <source>not compared</source>
        <translation>sin comparar</translation>
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
        <translation>Compruebe la conexión a internet o inténtelo de nuevo más tarde.</translation>
    </message>
</context>
<context>
    <name>CSettingsDlg</name>
    <message>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>Firmware Update</source>
        <translation>Actualización de firmware</translation>
    </message>
    <message>
        <source>Checking for firmware update...</source>
        <translation>Buscando actualizaciones de firmware...</translation>
    </message>
    <message>
        <source>Application Update</source>
        <translation>Actualización de la aplicación</translation>
    </message>
    <message>
        <source>Checking for application update...</source>
        <translation>Buscando actualizaciones de la aplicación...</translation>
    </message>
    <message>
        <source>Factory Preset Update</source>
        <translation>Actualización de presets de fábrica</translation>
    </message>
    <message>
        <source>All %1 factory presets of the unit will be replaced by those in FactoryPresets.dat.</source>
        <translation>Los %1 presets de fábrica de la unidad se sustituirán por los de FactoryPresets.dat.</translation>
    </message>
    <message>
        <source>Do you want to rewrite the factory presets?</source>
        <translation>¿Desea reescribir los presets de fábrica?</translation>
    </message>
    <message>
        <source>Updating factory presets...</source>
        <translation>Actualizando presets de fábrica...</translation>
    </message>
    <message>
        <source>Preferences were modified?</source>
        <translation>¿Configuración modificada?</translation>
    </message>
    <message>
        <source>Changes were made to the Preferences. Do you wish to keep these changes?</source>
        <translation>Se han hecho cambios en la configuración. ¿Desea conservarlos?</translation>
    </message>
</context>
<context>
    <name>CSplashScreen</name>
    <message>
        <source>About Tessitra Stage Librarian</source>
        <translation>Acerca de Tessitra Stage Librarian</translation>
    </message>
</context>
<context>
    <name>ContentWidget</name>
    <message>
        <source>Load Presets</source>
        <translation>Cargar presets</translation>
    </message>
    <message>
        <source>Do you want to overwrite the presets?</source>
        <translation>¿Desea sobrescribir los presets?</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation>Favoritos</translation>
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
        <translation>%1: vacío</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>User preset</source>
        <translation>Preset de usuario</translation>
    </message>
    <message>
        <source>Factory preset</source>
        <translation>Preset de fábrica</translation>
    </message>
    <message>
        <source>Slot of %1</source>
        <translation>Posición de %1</translation>
    </message>
    <message>
        <source>Save to computer...</source>
        <translation>Guardar en el ordenador...</translation>
    </message>
    <message>
        <source>Load preset...</source>
        <translation>Cargar preset...</translation>
    </message>
    <message>
        <source>Rename...</source>
        <translation>Renombrar...</translation>
    </message>
    <message>
        <source>Remove...</source>
        <translation>Quitar...</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Paste...</source>
        <translation>Pegar...</translation>
    </message>
    <message>
        <source>Rename %1</source>
        <translation>Renombrar %1</translation>
    </message>
    <message>
        <source>Preset Name</source>
        <translation>Nombre del preset</translation>
    </message>
    <message>
        <source>%1: at most %2 characters</source>
        <translation>%1: %2 caracteres como máximo</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renombrar</translation>
    </message>
    <message>
        <source>Renaming Preset...</source>
        <translation>Renombrando el preset...</translation>
    </message>
    <message>
        <source>Do you want to remove selected preset(s) from set list?</source>
        <translation>¿Desea quitar los presets seleccionados del setlist?</translation>
    </message>
    <message>
        <source>Editing Set List</source>
        <translation>Editar setlist</translation>
    </message>
    <message>
        <source>Removing preset(s) from Set List.</source>
        <translation>Quitando presets del setlist.</translation>
    </message>
    <message>
        <source>Choose Directory</source>
        <translation>Elegir carpeta</translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation>Confirmación</translation>
    </message>
    <message>
        <source>%1 file already exists, do you want to overwrite?</source>
        <translation>El archivo %1 ya existe. ¿Desea sobrescribirlo?</translation>
    </message>
    <message>
        <source>Save Presets</source>
        <translation>Guardar presets</translation>
    </message>
    <message>
        <source>Savings presets...</source>
        <translation>Guardando presets...</translation>
    </message>
    <message>
        <source>Preset(*%1)</source>
        <comment>file type in the file dialog</comment>
        <translation>Preset (*%1)</translation>
    </message>
    <message>
        <source>Select Files</source>
        <translation>Seleccionar archivos</translation>
    </message>
    <message>
        <source>Do you want to overwrite the presets &lt;b&gt;%1&lt;/b&gt;
with
&lt;b&gt;%2&lt;/b&gt;?</source>
        <translation>¿Desea sobrescribir los presets &lt;b&gt;%1&lt;/b&gt;
con
&lt;b&gt;%2&lt;/b&gt;?</translation>
    </message>
    <message>
        <source>Load Preset</source>
        <translation>Cargar preset</translation>
    </message>
    <message>
        <source>Loading presets.</source>
        <translation>Cargando presets.</translation>
    </message>
    <message>
        <source>Do you want to overwrite the presets &lt;b&gt;%1&lt;/b&gt; with &lt;b&gt;%2&lt;/b&gt;?</source>
        <translation>¿Desea sobrescribir los presets &lt;b&gt;%1&lt;/b&gt; con &lt;b&gt;%2&lt;/b&gt;?</translation>
    </message>
    <message>
        <source>Do you want to edit &lt;b&gt;%1&lt;/b&gt;?</source>
        <translation>¿Desea editar &lt;b&gt;%1&lt;/b&gt;?</translation>
    </message>
    <message>
        <source>Adding preset(s) to Set List.</source>
        <translation>Añadiendo presets al setlist.</translation>
    </message>
    <message>
        <source>Find in back-ups...</source>
        <translation>Buscar en copias...</translation>
    </message>
    <message>
        <source>%1: at most %2 characters; the unit cannot store %3</source>
        <translation>%1: %2 caracteres como máximo; la unidad no puede guardar %3</translation>
    </message>
</context>
<context>
    <name>DeviceManagerThread</name>
    <message>
        <source>%1, serial number %2</source>
        <translation>%1, número de serie %2</translation>
    </message>
    <message>
        <source>Stopped. The lists show only what was read until then.</source>
        <translation>Detenido. Las listas muestran solo lo que se había leído hasta ese momento.</translation>
    </message>
    <message>
        <source>Stopped. %1 of %2 presets were saved to files.</source>
        <translation>Detenido. Se han guardado %1 de %2 presets en archivos.</translation>
    </message>
    <message>
        <source>Stopped. The back-up file was not written.</source>
        <translation>Detenido. No se ha escrito el archivo de copia de seguridad.</translation>
    </message>
    <message>
        <source>Reading the presets, set lists and system parameters of the unit...</source>
        <translation>Leyendo los presets, setlists y parámetros del sistema de la unidad...</translation>
    </message>
    <message>
        <source>Stopped. Nothing was compared.</source>
        <translation>Detenido. No se ha comparado nada.</translation>
    </message>
    <message>
        <source>Failed to read the presets of the unit.</source>
        <translation>No se pudieron leer los presets de la unidad.</translation>
    </message>
</context>
<context>
    <name>FindBackUpsDlg</name>
    <message>
        <source>Find in Back-ups</source>
        <translation>Buscar en copias de seguridad</translation>
    </message>
    <message>
        <source>Looking through the back-ups and preset files...</source>
        <translation>Buscando en las copias de seguridad y archivos de preset...</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Slot</source>
        <translation>Posición</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>Back-ups and preset files found</source>
        <translation>Copias de seguridad y archivos de preset encontrados</translation>
    </message>
    <message>
        <source>Enter opens the file at the chosen preset</source>
        <translation>Intro abre el archivo en el preset elegido</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Open the chosen file at its preset</source>
        <translation>Abrir el archivo elegido en su preset</translation>
    </message>
    <message>
        <source>No back-up or preset file holds a preset named like &quot;%1&quot; or with the same settings.</source>
        <translation>Ninguna copia de seguridad ni archivo de preset contiene un preset cuyo nombre incluya &quot;%1&quot; o con los mismos ajustes.</translation>
    </message>
    <message>
        <source>No back-up or preset file holds a preset named like &quot;%1&quot;.</source>
        <translation>Ninguna copia de seguridad ni archivo de preset contiene un preset cuyo nombre incluya &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>No back-up or preset file holds a preset with the same settings.</source>
        <translation>Ninguna copia de seguridad ni archivo de preset contiene un preset con los mismos ajustes.</translation>
    </message>
    <message>
        <source>Presets named like &quot;%1&quot; or with the same settings, newest file first:</source>
        <translation>Presets cuyo nombre incluye &quot;%1&quot; o con los mismos ajustes (primero los archivos más recientes):</translation>
    </message>
    <message>
        <source>Presets named like &quot;%1&quot;, newest file first:</source>
        <translation>Presets cuyo nombre incluye &quot;%1&quot; (primero los archivos más recientes):</translation>
    </message>
    <message>
        <source>Presets with the same settings, newest file first:</source>
        <translation>Presets con los mismos ajustes (primero los archivos más recientes):</translation>
    </message>
    <message>
        <source>preset file</source>
        <translation>archivo de preset</translation>
    </message>
    <message>
        <source>same settings</source>
        <translation>mismos ajustes</translation>
    </message>
    <message>
        <source>no name</source>
        <translation>sin nombre</translation>
    </message>
    <message>
        <source>other settings</source>
        <translation>otros ajustes</translation>
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
        <translation>No se pudo cargar el archivo de inicialización. Reinstale la aplicación para solucionar el problema.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Loading...&lt;/b&gt;</source>
        <translation>&lt;b&gt;Cargando...&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Conectado</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Desconectado</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>&amp;About Tessitra Stage Librarian</source>
        <translation>&amp;Acerca de Tessitra Stage Librarian</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Undo: %1</source>
        <translation>Deshacer: %1</translation>
    </message>
    <message>
        <source>Redo: %1</source>
        <translation>Rehacer: %1</translation>
    </message>
    <message>
        <source>The manual could not be opened. It is at %1.</source>
        <translation>No se pudo abrir el manual. Está en %1.</translation>
    </message>
    <message>
        <source>%1, build %2</source>
        <translation>%1, compilación %2</translation>
    </message>
    <message>
        <source>Choose Folder</source>
        <translation>Elegir carpeta</translation>
    </message>
    <message>
        <source>Reading presets...</source>
        <translation>Leyendo presets...</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Recargar</translation>
    </message>
    <message>
        <source>Unplug one of them; the librarian connects to the one left.</source>
        <translation>Desconecte una de ellas; el programa se conectará a la que quede.</translation>
    </message>
    <message>
        <source>Multiple Device</source>
        <translation>Varias unidades</translation>
    </message>
    <message>
        <source>Exit App</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>The unit is in use by the tessitra command line; the librarian connects when it is free.</source>
        <translation>La línea de comandos tessitra está usando la unidad; el programa se conectará cuando quede libre.</translation>
    </message>
    <message>
        <source>Connect your Stage Ariette or Stage Cadenzo over USB</source>
        <translation>Conecte su Stage Ariette o Stage Cadenzo por USB</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Guardar archivo</translation>
    </message>
    <message>
        <source>BACKUP(*%1)</source>
        <comment>file type in the file dialog</comment>
        <translation>Copia de seguridad (*%1)</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 ya existe.
¿Desea reemplazarlo?</translation>
    </message>
    <message>
        <source>Back Up</source>
        <translation>Copia de seguridad</translation>
    </message>
    <message>
        <source>Backing up presets...</source>
        <translation>Haciendo copia de seguridad de los presets...</translation>
    </message>
    <message>
        <source>Select File</source>
        <translation>Seleccionar archivo</translation>
    </message>
    <message>
        <source>All %1 user presets, the favourites, set lists A to D and the system parameters of the unit will be replaced by those in %2.</source>
        <translation>Los %1 presets de usuario, los favoritos, los setlists A a D y los parámetros del sistema de la unidad se sustituirán por los de %2.</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurar</translation>
    </message>
    <message>
        <source>Do you want to restore this back-up?</source>
        <translation>¿Desea restaurar esta copia de seguridad?</translation>
    </message>
    <message>
        <source>Restoring presets...</source>
        <translation>Restaurando presets...</translation>
    </message>
    <message>
        <source>Binary(*.bin *.ldr)</source>
        <comment>file type in the file dialog</comment>
        <translation>Binario (*.bin *.ldr)</translation>
    </message>
    <message>
        <source>The DSP firmware of the unit (%1) will be replaced by the one in %2.</source>
        <translation>El firmware del DSP de la unidad (%1) se sustituirá por el de %2.</translation>
    </message>
    <message>
        <source>The microcontroller firmware of the unit (%1) will be replaced by the one in %2.</source>
        <translation>El firmware del microcontrolador de la unidad (%1) se sustituirá por el de %2.</translation>
    </message>
    <message>
        <source>Firmware Update</source>
        <translation>Actualización de firmware</translation>
    </message>
    <message>
        <source>Do you want to write this firmware?</source>
        <translation>¿Desea escribir este firmware?</translation>
    </message>
    <message>
        <source>Updating firmware...</source>
        <translation>Actualizando el firmware...</translation>
    </message>
    <message>
        <source>Application Update</source>
        <translation>Actualización de la aplicación</translation>
    </message>
    <message>
        <source>New application version available.
Current: %1
New: %2
Do you want to download and update?</source>
        <translation>Hay una nueva versión de la aplicación.
Actual: %1
Nueva: %2
¿Desea descargarla y actualizar?</translation>
    </message>
    <message>
        <source>Downloading application...</source>
        <translation>Descargando la aplicación...</translation>
    </message>
    <message>
        <source>New firmware version available.
Current: %1, %2
New: %3, %4
Do you want to update?</source>
        <translation>Hay una nueva versión de firmware.
Actual: %1, %2
Nueva: %3, %4
¿Desea actualizar?</translation>
    </message>
    <message>
        <source>New firmware version available.
Current: %1
New: %2
Do you want to update?</source>
        <translation>Hay una nueva versión de firmware.
Actual: %1
Nueva: %2
¿Desea actualizar?</translation>
    </message>
    <message>
        <source>Downloading firmware...</source>
        <translation>Descargando el firmware...</translation>
    </message>
    <message>
        <source>Do you want to close the application and install the new version?</source>
        <translation>¿Desea cerrar la aplicación e instalar la nueva versión?</translation>
    </message>
    <message>
        <source>Factory Presets</source>
        <translation>Presets de fábrica</translation>
    </message>
    <message>
        <source>The unit answers again. Its factory bank from before the rewrite that stopped is kept in &quot;%1&quot;.</source>
        <translation>La unidad vuelve a responder. Su banco de fábrica de antes de la reescritura interrumpida se conserva en &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Put the factory presets from before back?</source>
        <translation>¿Desea recuperar los presets de fábrica anteriores?</translation>
    </message>
    <message>
        <source>updating factory presets...</source>
        <translation>actualizando presets de fábrica...</translation>
    </message>
    <message>
        <source>Restore the state from before?</source>
        <translation>¿Desea volver al estado anterior?</translation>
    </message>
    <message>
        <source>The unit answers again. The automatic back-up &quot;%1&quot; holds its user presets, set lists and system parameters from before the operation that stopped.</source>
        <translation>La unidad vuelve a responder. La copia de seguridad automática &quot;%1&quot; contiene sus presets de usuario, setlists y parámetros del sistema de antes de la operación interrumpida.</translation>
    </message>
    <message>
        <source>Put back the state from before</source>
        <translation>Volver al estado anterior</translation>
    </message>
    <message>
        <source>Restore the back-up again</source>
        <translation>Volver a restaurar la copia</translation>
    </message>
    <message>
        <source>The unit holds a mix of old and restored presets until it is restored or refreshed.</source>
        <translation>La unidad contiene una mezcla de presets antiguos y restaurados hasta que se restaure o se recargue.</translation>
    </message>
    <message>
        <source>Nothing was undone.</source>
        <translation>No se ha deshecho nada.</translation>
    </message>
    <message>
        <source>Writing the overwritten presets back...</source>
        <translation>Escribiendo de nuevo los presets sobrescritos...</translation>
    </message>
    <message>
        <source>Network Authentication</source>
        <translation>Autenticación de red</translation>
    </message>
    <message>
        <source>&lt;b&gt;%1&lt;/b&gt; asks for &quot;%2&quot;.</source>
        <translation>&lt;b&gt;%1&lt;/b&gt; solicita &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>&lt;b&gt;User Name:&lt;/b&gt;</source>
        <translation>&lt;b&gt;Usuario:&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Password:&lt;/b&gt;</source>
        <translation>&lt;b&gt;Contraseña:&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Proxy %1</source>
        <translation>Proxy %1</translation>
    </message>
    <message>
        <source>The server</source>
        <translation>El servidor</translation>
    </message>
    <message>
        <source>%1
EMPTY</source>
        <comment>an empty set-list slot: A01</comment>
        <translation>%1
VACÍO</translation>
    </message>
    <message>
        <source>Check for firmware update...</source>
        <translation>Buscar actualización de firmware...</translation>
    </message>
    <message>
        <source>Checking for updates...</source>
        <translation>Buscando actualizaciones...</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Refresh presets&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Recargar presets&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Update Firmware&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Actualizar firmware&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Settings&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Configuración&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Help&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Ayuda&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Browse&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Examinar&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Up one folder&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Carpeta superior&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>File System</source>
        <translation>Sistema de archivos</translation>
    </message>
    <message>
        <source>Favorites</source>
        <translation>Favoritos</translation>
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
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Hacer una copia de seguridad de los presets de usuario de la unidad.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Button will back up all presets from device to a file in computer.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Este botón guarda una copia de seguridad de todos los presets de la unidad en un archivo del ordenador.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;&lt;Back Up</source>
        <translation>&lt;&lt;Crear copia</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Load user presets to device from a backed up file.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Cargar en la unidad los presets de usuario de un archivo de copia de seguridad.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Button will load the presets from a backed up file.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Este botón carga los presets de un archivo de copia de seguridad.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Restore&gt;&gt;</source>
        <translation>Restaurar&gt;&gt;</translation>
    </message>
    <message>
        <source>Read the presets from the unit again</source>
        <translation>Volver a leer los presets de la unidad</translation>
    </message>
    <message>
        <source>Update Firmware</source>
        <translation>Actualizar firmware</translation>
    </message>
    <message>
        <source>Write new firmware from a file into the unit</source>
        <translation>Escribir en la unidad un firmware nuevo desde un archivo</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Update checks, safety and language</source>
        <translation>Actualizaciones, seguridad e idioma</translation>
    </message>
    <message>
        <source>The manual and the About box</source>
        <translation>El manual y la ventana Acerca de</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Examinar</translation>
    </message>
    <message>
        <source>Choose the folder the file list shows</source>
        <translation>Elegir la carpeta que muestra la lista de archivos</translation>
    </message>
    <message>
        <source>Up one folder</source>
        <translation>Carpeta superior</translation>
    </message>
    <message>
        <source>Show the folder above this one</source>
        <translation>Mostrar la carpeta que contiene a esta</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Carpeta</translation>
    </message>
    <message>
        <source>Type a folder and press Enter to show it</source>
        <translation>Escriba una carpeta y pulse Intro para mostrarla</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Carpetas</translation>
    </message>
    <message>
        <source>Preset files</source>
        <translation>Archivos de preset</translation>
    </message>
    <message>
        <source>Drag preset files onto the user presets to load them</source>
        <translation>Arrastre archivos de preset sobre los presets de usuario para cargarlos</translation>
    </message>
    <message>
        <source>User presets</source>
        <translation>Presets de usuario</translation>
    </message>
    <message>
        <source>Factory presets</source>
        <translation>Presets de fábrica</translation>
    </message>
    <message>
        <source>Back up the presets, set lists and settings of the unit to a file</source>
        <translation>Hacer una copia de seguridad de los presets, setlists y ajustes de la unidad en un archivo</translation>
    </message>
    <message>
        <source>Load a back-up file into the unit</source>
        <translation>Cargar en la unidad un archivo de copia de seguridad</translation>
    </message>
    <message>
        <source>Overwrite it anyway?</source>
        <translation>¿Sobrescribir de todos modos?</translation>
    </message>
    <message>
        <source>Open beside the unit</source>
        <translation>Abrir junto a la unidad</translation>
    </message>
    <message>
        <source>Find a preset by name (Ctrl+F)</source>
        <translation>Buscar un preset por nombre (Ctrl+F)</translation>
    </message>
    <message>
        <source>Find presets</source>
        <translation>Buscar presets</translation>
    </message>
    <message>
        <source>Shows only the user and factory presets whose name holds this text</source>
        <translation>Muestra solo los presets de usuario y de fábrica cuyo nombre contiene este texto</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Show every preset again</source>
        <translation>Volver a mostrar todos los presets</translation>
    </message>
    <message>
        <source>Find in back-ups...</source>
        <translation>Buscar en copias...</translation>
    </message>
    <message>
        <source>Find in back-ups</source>
        <translation>Buscar en copias de seguridad</translation>
    </message>
    <message>
        <source>List the back-ups and preset files that hold a preset of this name</source>
        <translation>Listar las copias de seguridad y archivos de preset que contienen un preset con este nombre</translation>
    </message>
    <message>
        <source>Factory Presets</source>
        <comment>tab</comment>
        <translation>Presets de fábrica</translation>
    </message>
</context>
<context>
    <name>OperationPlan</name>
    <message>
        <source>Reading the factory presets %1 of %2</source>
        <translation>Leyendo presets de fábrica %1 de %2</translation>
    </message>
    <message>
        <source>Reading the factory presets</source>
        <translation>Leyendo presets de fábrica</translation>
    </message>
    <message>
        <source>Reading preset names %1 of %2</source>
        <translation>Leyendo nombres de presets %1 de %2</translation>
    </message>
    <message>
        <source>Reading preset names</source>
        <translation>Leyendo nombres de presets</translation>
    </message>
    <message>
        <source>Reading set lists</source>
        <translation>Leyendo setlists</translation>
    </message>
    <message>
        <source>Backing up the unit first: preset %1 of %2</source>
        <translation>Copia de seguridad previa de la unidad: preset %1 de %2</translation>
    </message>
    <message>
        <source>Backing up the unit first</source>
        <translation>Copia de seguridad previa de la unidad</translation>
    </message>
    <message>
        <source>Keeping the factory presets first: %1 of %2</source>
        <translation>Guardando antes los presets de fábrica: %1 de %2</translation>
    </message>
    <message>
        <source>Keeping the factory presets first</source>
        <translation>Guardando antes los presets de fábrica</translation>
    </message>
    <message>
        <source>Backing up presets %1 of %2</source>
        <translation>Copia de seguridad de presets %1 de %2</translation>
    </message>
    <message>
        <source>Backing up set lists and system parameters</source>
        <translation>Copia de seguridad de setlists y parámetros del sistema</translation>
    </message>
    <message>
        <source>Saving presets %1 of %2</source>
        <translation>Guardando presets %1 de %2</translation>
    </message>
    <message>
        <source>Saving presets</source>
        <translation>Guardando presets</translation>
    </message>
    <message>
        <source>Keeping what is overwritten, for Undo</source>
        <translation>Guardando lo que se sobrescribe, para Deshacer</translation>
    </message>
    <message>
        <source>Writing presets %1 of %2</source>
        <translation>Escribiendo presets %1 de %2</translation>
    </message>
    <message>
        <source>Writing presets</source>
        <translation>Escribiendo presets</translation>
    </message>
    <message>
        <source>The unit is storing the presets</source>
        <translation>La unidad está guardando los presets</translation>
    </message>
    <message>
        <source>Checking what was written %1 of %2</source>
        <translation>Comprobando lo escrito %1 de %2</translation>
    </message>
    <message>
        <source>Checking what was written</source>
        <translation>Comprobando lo escrito</translation>
    </message>
    <message>
        <source>Writing set lists %1 of %2</source>
        <translation>Escribiendo setlists %1 de %2</translation>
    </message>
    <message>
        <source>Writing set lists</source>
        <translation>Escribiendo setlists</translation>
    </message>
    <message>
        <source>Writing the system parameters</source>
        <translation>Escribiendo los parámetros del sistema</translation>
    </message>
    <message>
        <source>Writing the firmware</source>
        <translation>Escribiendo el firmware</translation>
    </message>
    <message>
        <source>almost done</source>
        <translation>casi listo</translation>
    </message>
    <message>
        <source>about %1 s left</source>
        <extracomment>Time left of an operation, in seconds</extracomment>
        <translation>quedan unos %1 s</translation>
    </message>
    <message>
        <source>about %1 min left</source>
        <extracomment>Time left of an operation, in minutes</extracomment>
        <translation>quedan unos %1 min</translation>
    </message>
    <message>
        <source>about %1 min %2 s left</source>
        <extracomment>Time left of an operation: %1 minutes and %2 seconds</extracomment>
        <translation>quedan unos %1 min %2 s</translation>
    </message>
    <message>
        <source>This takes a few seconds.</source>
        <translation>Tarda unos segundos.</translation>
    </message>
    <message>
        <source>This takes about %1 seconds.</source>
        <translation>Tarda unos %1 segundos.</translation>
    </message>
    <message>
        <source>This takes about a minute.</source>
        <translation>Tarda aproximadamente un minuto.</translation>
    </message>
    <message>
        <source>This takes about %1 minutes.</source>
        <translation>Tarda unos %1 minutos.</translation>
    </message>
    <message>
        <source>Reading presets %1 of %2</source>
        <translation>Leyendo presets %1 de %2</translation>
    </message>
    <message>
        <source>Reading set lists and system parameters</source>
        <translation>Leyendo setlists y parámetros del sistema</translation>
    </message>
</context>
<context>
    <name>PresetButton</name>
    <message>
        <source>Select preset(s) to drag</source>
        <translation>Seleccione presets para arrastrarlos</translation>
    </message>
</context>
<context>
    <name>ProgressDialog</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>This cannot be stopped safely.</source>
        <translation>Esto no se puede detener de forma segura.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Stopping...</source>
        <translation>Deteniendo...</translation>
    </message>
</context>
<context>
    <name>RestoreSelectedDlg</name>
    <message>
        <source>Restore Selected</source>
        <translation>Restaurar selección</translation>
    </message>
    <message>
        <source>Choose what to put back from %1. Only what is chosen is written; everything else on the unit stays as it is.</source>
        <translation>Elija qué restaurar de %1. Solo se escribe lo elegido; todo lo demás de la unidad queda como está.</translation>
    </message>
    <message>
        <source>&amp;User presets</source>
        <translation>Presets de &amp;usuario</translation>
    </message>
    <message>
        <source>User presets to put back</source>
        <translation>Presets de usuario que restaurar</translation>
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
        <translation>Favoritos</translation>
    </message>
    <message>
        <source>Set List %1</source>
        <translation>Setlist %1</translation>
    </message>
    <message>
        <source>System parameters (the unit is backed up first)</source>
        <translation>Parámetros del sistema (antes se hace una copia de seguridad de la unidad)</translation>
    </message>
    <message>
        <source>System parameters (not in this back-up)</source>
        <translation>Parámetros del sistema (no están en esta copia)</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurar</translation>
    </message>
</context>
<context>
    <name>settingsDialog</name>
    <message>
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Interface</source>
        <translation>Interfaz</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Idioma:</translation>
    </message>
    <message>
        <source>Select language</source>
        <translation>Seleccione el idioma</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>The language changes when the librarian starts again.</source>
        <translation>El idioma cambia al volver a iniciar el programa.</translation>
    </message>
    <message>
        <source>Check for Firmware Update</source>
        <translation>Buscar actualizaciones de firmware</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Nunca</translation>
    </message>
    <message>
        <source>On Startup</source>
        <translation>Al iniciar</translation>
    </message>
    <message>
        <source>Once a Month</source>
        <translation>Una vez al mes</translation>
    </message>
    <message>
        <source>Ask the update server for newer firmware for the unit now</source>
        <translation>Preguntar ahora al servidor de actualizaciones si hay firmware nuevo para la unidad</translation>
    </message>
    <message>
        <source>Check Now</source>
        <translation>Comprobar</translation>
    </message>
    <message>
        <source>Check for Application Update</source>
        <translation>Buscar actualizaciones de la aplicación</translation>
    </message>
    <message>
        <source>Ask the update server for a newer librarian now</source>
        <translation>Preguntar ahora al servidor de actualizaciones si hay una versión nueva del programa</translation>
    </message>
    <message>
        <source>Update Factory Presets</source>
        <translation>Actualizar presets de fábrica</translation>
    </message>
    <message>
        <source>Rewrite the factory presets of the unit from FactoryPresets.dat</source>
        <translation>Reescribir los presets de fábrica de la unidad desde FactoryPresets.dat</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>Safety</source>
        <translation>Seguridad</translation>
    </message>
    <message>
        <source>Back up the unit before a restore, a factory rewrite or a firmware update</source>
        <translation>Copia de seguridad antes de restaurar, reescribir presets de fábrica o firmware</translation>
    </message>
    <message>
        <source>Verify every write by reading it back</source>
        <translation>Verificar cada escritura volviendo a leerla</translation>
    </message>
    <message>
        <source>Reset To Defaults</source>
        <translation>Valores por defecto</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>tessitra</name>
    <message>
        <source>Failed to communicate with device.</source>
        <translation>No se pudo comunicar con la unidad.</translation>
    </message>
    <message>
        <source>Device disconnected!</source>
        <translation>¡Unidad desconectada!</translation>
    </message>
    <message>
        <source>Multiple devices detected. Please connect only one device.</source>
        <translation>Se han detectado varias unidades. Conecte solo una.</translation>
    </message>
    <message>
        <source>Success.</source>
        <translation>Correcto.</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Correcto</translation>
    </message>
    <message>
        <source>Operation failed.</source>
        <translation>La operación ha fallado.</translation>
    </message>
    <message>
        <source>Reading factory presets...</source>
        <translation>Leyendo presets de fábrica...</translation>
    </message>
    <message>
        <source>Failed to read factory presets.</source>
        <translation>No se pudieron leer los presets de fábrica.</translation>
    </message>
    <message>
        <source>Reading user presets...</source>
        <translation>Leyendo presets de usuario...</translation>
    </message>
    <message>
        <source>Reading set lists...</source>
        <translation>Leyendo setlists...</translation>
    </message>
    <message>
        <source>Failed to read set lists.</source>
        <translation>No se pudieron leer los setlists.</translation>
    </message>
    <message>
        <source>Saving &lt;b&gt;%1&lt;/b&gt;.</source>
        <translation>Guardando &lt;b&gt;%1&lt;/b&gt;.</translation>
    </message>
    <message>
        <source>&lt;b&gt;%1&lt;/b&gt; was not saved; any earlier file of that name is unchanged.</source>
        <translation>&lt;b&gt;%1&lt;/b&gt; no se ha guardado; cualquier archivo anterior con ese nombre sigue intacto.</translation>
    </message>
    <message>
        <source>The file could not be written: the folder may be read-only or the disk full.</source>
        <translation>No se pudo escribir el archivo: puede que la carpeta sea de solo lectura o que el disco esté lleno.</translation>
    </message>
    <message>
        <source>Any earlier back-up of that name is unchanged.</source>
        <translation>Cualquier copia de seguridad anterior con ese nombre sigue intacta.</translation>
    </message>
    <message>
        <source>The factory preset file was damaged or made for another unit. It was set aside as %1 and is made again from the unit.</source>
        <translation>El archivo de presets de fábrica estaba dañado o era de otra unidad. Se ha apartado como %1 y se vuelve a crear a partir de la unidad.</translation>
    </message>
    <message>
        <source>File not found.</source>
        <translation>Archivo no encontrado.</translation>
    </message>
    <message>
        <source>File version mismatch.</source>
        <translation>La versión del archivo no es compatible.</translation>
    </message>
    <message>
        <source>File data corrupted.</source>
        <translation>Los datos del archivo están dañados.</translation>
    </message>
    <message>
        <source>File(s) not found.</source>
        <translation>No se encontraron los archivos.</translation>
    </message>
    <message>
        <source>File(s) version mismatch.</source>
        <translation>La versión de los archivos no es compatible.</translation>
    </message>
    <message>
        <source>File(s) data corrupted.</source>
        <translation>Los datos de los archivos están dañados.</translation>
    </message>
    <message>
        <source>Failed to load preset. Unknown error.</source>
        <translation>No se pudo cargar el preset. Error desconocido.</translation>
    </message>
    <message>
        <source>Failed to load preset.</source>
        <translation>No se pudo cargar el preset.</translation>
    </message>
    <message>
        <source>Backing up user presets and set lists...</source>
        <translation>Haciendo copia de seguridad de los presets de usuario y los setlists...</translation>
    </message>
    <message>
        <source>Succesfully backed up user presets and set lists.</source>
        <translation>Copia de seguridad de los presets de usuario y los setlists realizada correctamente.</translation>
    </message>
    <message>
        <source>Failed to backed up user presets and set lists.</source>
        <translation>No se pudo hacer la copia de seguridad de los presets de usuario y los setlists.</translation>
    </message>
    <message>
        <source>Restoring user presets and set lists...</source>
        <translation>Restaurando presets de usuario y setlists...</translation>
    </message>
    <message>
        <source>Succesfully restored user presets and set lists.</source>
        <translation>Presets de usuario y setlists restaurados correctamente.</translation>
    </message>
    <message>
        <source>Couldn&apos;t find a back up file.
Please back up first.</source>
        <translation>No se encontró ningún archivo de copia de seguridad.
Haga primero una copia de seguridad.</translation>
    </message>
    <message>
        <source>Failed to restore user presets and set lists.</source>
        <translation>No se pudieron restaurar los presets de usuario y los setlists.</translation>
    </message>
    <message>
        <source>Not allowed!</source>
        <translation>¡No permitido!</translation>
    </message>
    <message>
        <source>updating factory presets...</source>
        <translation>actualizando presets de fábrica...</translation>
    </message>
    <message>
        <source>Please perform a factory reset of your device.</source>
        <translation>Restablezca la configuración de fábrica de la unidad.</translation>
    </message>
    <message>
        <source>Factory preset file not found. Please re-install the application.</source>
        <translation>No se encontró el archivo de presets de fábrica. Vuelva a instalar la aplicación.</translation>
    </message>
    <message>
        <source>Failed to update factory presets. Please try again.</source>
        <translation>No se pudieron actualizar los presets de fábrica. Inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Updating DSP Firmware.
Do not disconnect or power down the device.</source>
        <translation>Actualizando el firmware del DSP.
No desconecte ni apague la unidad.</translation>
    </message>
    <message>
        <source>Do not power down the device until the Tessitra display says:
&quot;Done - Cycle power now&quot;.</source>
        <translation>No apague la unidad hasta que la pantalla de Tessitra muestre:
&quot;Done - Cycle power now&quot;.</translation>
    </message>
    <message>
        <source>Failed to update DSP Firmware.</source>
        <translation>No se pudo actualizar el firmware del DSP.</translation>
    </message>
    <message>
        <source>Updating uP Firmware.
Do not disconnect or power down the device.</source>
        <extracomment>uP: the unit&apos;s microcontroller</extracomment>
        <translation>Actualizando el firmware del microcontrolador.
No desconecte ni apague la unidad.</translation>
    </message>
    <message>
        <source>Do not power down the device until  the Tessitra display says:
&quot;Done - Cycle power now&quot;.</source>
        <translation>No apague la unidad hasta que la pantalla de Tessitra muestre:
&quot;Done - Cycle power now&quot;.</translation>
    </message>
    <message>
        <source>Failed to update uP Firmware.</source>
        <translation>No se pudo actualizar el firmware del microcontrolador.</translation>
    </message>
    <message>
        <source>The unit was found but this user may not open it. Install the udev rule that comes with the librarian (the tessitra-stage-librarian package installs it), or reconnect the unit if the rule is already installed.</source>
        <translation>Se ha encontrado la unidad, pero este usuario no tiene permiso para abrirla. Instale la regla udev que acompaña al programa (el paquete tessitra-stage-librarian la instala) o vuelva a conectar la unidad si la regla ya está instalada.</translation>
    </message>
    <message>
        <source>The unit was found but another program is using it. Close that program, or reconnect the unit.</source>
        <translation>Se ha encontrado la unidad, pero otro programa la está usando. Cierre ese programa o vuelva a conectar la unidad.</translation>
    </message>
    <message>
        <source>The unit was found but went away before it could be opened. Check the USB cable and reconnect the unit.</source>
        <translation>Se ha encontrado la unidad, pero desapareció antes de poder abrirla. Compruebe el cable USB y vuelva a conectar la unidad.</translation>
    </message>
    <message>
        <source>The unit was found but could not be opened. Reconnect the unit; the log file ui.log names the cause.</source>
        <translation>Se ha encontrado la unidad, pero no se pudo abrir. Vuelva a conectar la unidad; el archivo de registro ui.log indica la causa.</translation>
    </message>
    <message>
        <source>Nothing was written; the unit holds its presets as before.</source>
        <translation>No se ha escrito nada; la unidad conserva sus presets como antes.</translation>
    </message>
    <message>
        <source>%1 of %2 user presets were written; the unit holds a mix of old and restored presets. Restore the back-up again.</source>
        <translation>Se han escrito %1 de %2 presets de usuario; la unidad contiene una mezcla de presets antiguos y restaurados. Vuelva a restaurar la copia de seguridad.</translation>
    </message>
    <message>
        <source>The unit was disconnected during the restore.</source>
        <translation>La unidad se desconectó durante la restauración.</translation>
    </message>
    <message>
        <source>%1 of %2 user presets were written, so it holds a mix of old and restored presets.</source>
        <translation>Se han escrito %1 de %2 presets de usuario, así que contiene una mezcla de presets antiguos y restaurados.</translation>
    </message>
    <message>
        <source>All %1 user presets were written, but not all set lists.</source>
        <translation>Se han escrito los %1 presets de usuario, pero no todos los setlists.</translation>
    </message>
    <message>
        <source>All %1 user presets and the set lists were written, but not the system parameters.</source>
        <translation>Se han escrito los %1 presets de usuario y los setlists, pero no los parámetros del sistema.</translation>
    </message>
    <message>
        <source>When the unit answers again, the librarian offers to put back the state from before the restore.</source>
        <translation>Cuando la unidad vuelva a responder, el programa le ofrecerá volver al estado de antes de la restauración.</translation>
    </message>
    <message>
        <source>Connect it again and restore the back-up again.</source>
        <translation>Vuelva a conectarla y restaure de nuevo la copia de seguridad.</translation>
    </message>
    <message>
        <source>%1 is not a %2 back-up. Nothing was changed.</source>
        <translation>%1 no es una copia de seguridad de %2. No se ha cambiado nada.</translation>
    </message>
    <message>
        <source>%1 is cut short or damaged. Nothing was changed.</source>
        <translation>%1 está incompleto o dañado. No se ha cambiado nada.</translation>
    </message>
    <message>
        <source>%1 of %2 factory presets were written; the unit holds a mix of old and new factory presets.</source>
        <translation>Se han escrito %1 de %2 presets de fábrica; la unidad contiene una mezcla de presets de fábrica antiguos y nuevos.</translation>
    </message>
    <message>
        <source>%1 of %2 bytes of the firmware image were sent; the unit holds no complete new firmware. Keep it powered, connect it again and update the firmware again.</source>
        <translation>Se han enviado %1 de %2 bytes de la imagen de firmware; la unidad no tiene ningún firmware nuevo completo. Manténgala encendida, vuelva a conectarla y actualice de nuevo el firmware.</translation>
    </message>
    <message>
        <source>Backing up the unit first...</source>
        <translation>Haciendo antes una copia de seguridad de la unidad...</translation>
    </message>
    <message>
        <source>Nothing was changed: the unit could not be backed up first.</source>
        <translation>No se ha cambiado nada: no se pudo hacer antes una copia de seguridad de la unidad.</translation>
    </message>
    <message>
        <source>Verification failed: %1 differs from what was written.</source>
        <extracomment>%1 names one slot, set list or the system parameters</extracomment>
        <translation>Verificación fallida: %1 no coincide con lo escrito.</translation>
    </message>
    <message>
        <source>Verification failed: %1 differ from what was written.</source>
        <extracomment>%1 names several slots or set lists: &quot;U05 and U07&quot;</extracomment>
        <translation>Verificación fallida: %1 no coinciden con lo escrito.</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <extracomment>The last two names of a list: &quot;U01, U02 and U03&quot;</extracomment>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>the favourites</source>
        <translation>la lista de favoritos</translation>
    </message>
    <message>
        <source>set list %1</source>
        <extracomment>%1 is the letter of the set list: A, B, C or D</extracomment>
        <translation>el setlist %1</translation>
    </message>
    <message>
        <source>the system parameters</source>
        <translation>los parámetros del sistema</translation>
    </message>
    <message>
        <source>There is nothing to undo.</source>
        <translation>No hay nada que deshacer.</translation>
    </message>
    <message>
        <source>There is nothing to redo.</source>
        <translation>No hay nada que rehacer.</translation>
    </message>
    <message>
        <source>%1 no longer holds what &quot;%2&quot; wrote: it was changed since (on the unit, by another program or by a restore). Nothing was changed.</source>
        <extracomment>%1 is one slot or set list, %3 the step being undone (&quot;copy F03 to U90&quot;)</extracomment>
        <translation>%1 ya no contiene lo que escribió &quot;%2&quot;: ha cambiado desde entonces (en la unidad, por otro programa o por una restauración). No se ha cambiado nada.</translation>
    </message>
    <message>
        <source>%1 no longer hold what &quot;%2&quot; wrote: it was changed since (on the unit, by another program or by a restore). Nothing was changed.</source>
        <extracomment>%1 names several slots or set lists, %2 the step being undone (&quot;copy F03 to U90&quot;)</extracomment>
        <translation>%1 ya no contienen lo que escribió &quot;%2&quot;: han cambiado desde entonces (en la unidad, por otro programa o por una restauración). No se ha cambiado nada.</translation>
    </message>
    <message>
        <source>%1 no longer holds what was there before &quot;%2&quot;: it was changed since. Nothing was changed.</source>
        <translation>%1 ya no contiene lo que había antes de &quot;%2&quot;: ha cambiado desde entonces. No se ha cambiado nada.</translation>
    </message>
    <message>
        <source>%1 no longer hold what was there before &quot;%2&quot;: it was changed since. Nothing was changed.</source>
        <translation>%1 ya no contienen lo que había antes de &quot;%2&quot;: han cambiado desde entonces. No se ha cambiado nada.</translation>
    </message>
    <message>
        <source>Undone: %1.</source>
        <translation>Deshecho: %1.</translation>
    </message>
    <message>
        <source>Redone: %1.</source>
        <translation>Rehecho: %1.</translation>
    </message>
    <message>
        <source>copy %1 to %2</source>
        <extracomment>The steps the undo history names, after &quot;Undo: &quot; in the Edit menu: copy F03 to U90</extracomment>
        <translation>copiar %1 en %2</translation>
    </message>
    <message>
        <source>load %1 to %2</source>
        <translation>cargar %1 en %2</translation>
    </message>
    <message>
        <source>rename %1 to %2</source>
        <translation>renombrar %1 como %2</translation>
    </message>
    <message>
        <source>change %1</source>
        <translation>cambiar %1</translation>
    </message>
    <message>
        <source>restore %1 from %2</source>
        <translation>restaurar %1 desde %2</translation>
    </message>
    <message>
        <source>Restoring %1 from %2...</source>
        <translation>Restaurando %1 desde %2...</translation>
    </message>
    <message>
        <source>Restored %1 from %2.</source>
        <translation>Restauración de %1 desde %2 completada.</translation>
    </message>
    <message>
        <source>%1 does not hold %2. Nothing was changed.</source>
        <translation>%1 no contiene %2. No se ha cambiado nada.</translation>
    </message>
    <message>
        <source>The undo journal was damaged or made for another unit and was not used. It was set aside as %1.</source>
        <translation>El historial de deshacer estaba dañado o era de otra unidad y no se ha usado. Se ha apartado como %1.</translation>
    </message>
    <message>
        <source>The undo journal cannot be read and was not used.</source>
        <translation>El historial de deshacer no se puede leer y no se ha usado.</translation>
    </message>
    <message>
        <source>Could not parse the update info in server.</source>
        <translation>No se pudo interpretar la información de actualización del servidor.</translation>
    </message>
    <message>
        <source>No update found.</source>
        <translation>No se encontraron actualizaciones.</translation>
    </message>
    <message>
        <source>Device firmware is up to date.</source>
        <translation>El firmware de la unidad está actualizado.</translation>
    </message>
    <message>
        <source>Application is up to date.</source>
        <translation>La aplicación está actualizada.</translation>
    </message>
    <message>
        <source>Connection to update server cannot be made.</source>
        <translation>No se puede conectar con el servidor de actualizaciones.</translation>
    </message>
    <message>
        <source>Fimware update not supported for this device.</source>
        <translation>Esta unidad no admite actualizaciones de firmware.</translation>
    </message>
    <message>
        <source>Failed to fetch info from update server!</source>
        <translation>¡No se pudo obtener la información del servidor de actualizaciones!</translation>
    </message>
    <message>
        <source>Download finished.</source>
        <translation>Descarga finalizada.</translation>
    </message>
    <message>
        <source>Updating firmware...</source>
        <translation>Actualizando el firmware...</translation>
    </message>
    <message>
        <source>The update info from the server is not signed.</source>
        <translation>La información de actualización del servidor no está firmada.</translation>
    </message>
    <message>
        <source>The update info from the server failed its signature check.</source>
        <translation>La información de actualización del servidor no ha superado la comprobación de firma.</translation>
    </message>
    <message>
        <source>The update info from the server lacks the size or SHA-256 of an image.</source>
        <translation>A la información de actualización del servidor le falta el tamaño o el SHA-256 de una imagen.</translation>
    </message>
    <message>
        <source>The update server must be reached over https.</source>
        <translation>El servidor de actualizaciones debe usarse por https.</translation>
    </message>
    <message>
        <source>The download does not match the update info from the server. It was deleted.</source>
        <translation>La descarga no coincide con la información de actualización del servidor. Se ha eliminado.</translation>
    </message>
    <message>
        <source>The download could not be saved. Check the free space in the downloads folder.</source>
        <translation>No se pudo guardar la descarga. Compruebe el espacio libre en la carpeta de descargas.</translation>
    </message>
    <message>
        <source>This download was not offered by the update server.</source>
        <translation>El servidor de actualizaciones no ofrecía esta descarga.</translation>
    </message>
    <message>
        <source>Nothing was changed.</source>
        <translation>No se ha cambiado nada.</translation>
    </message>
    <message>
        <source>See &apos;tessitra %1 --help&apos;.</source>
        <translation>Consulte &apos;tessitra %1 --help&apos;.</translation>
    </message>
    <message>
        <source>See &apos;tessitra --help&apos;.</source>
        <translation>Consulte &apos;tessitra --help&apos;.</translation>
    </message>
    <message>
        <source>No unit found. Connect the unit and switch it on.</source>
        <translation>No se encontró ninguna unidad. Conecte la unidad y enciéndala.</translation>
    </message>
    <message>
        <source>The Tessitra Stage Librarian window is using the unit. Close it and try again.</source>
        <translation>La ventana de Tessitra Stage Librarian está usando la unidad. Ciérrela e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Another tessitra command is using the unit. Wait for it to end and try again.</source>
        <translation>Otro comando tessitra está usando la unidad. Espere a que termine e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>%1 changes what the unit holds: give --yes to confirm when not run from a terminal.</source>
        <translation>%1 cambia el contenido de la unidad: indique --yes para confirmar cuando no se ejecute desde un terminal.</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>Detenido.</translation>
    </message>
    <message>
        <source>Stopped. The operation&apos;s last words: %1</source>
        <translation>Detenido. Último mensaje de la operación: %1</translation>
    </message>
    <message>
        <source>stopping: the operation ends at its next record or packet (Ctrl-C again ends the program at once, leaving the unit as it is then).</source>
        <translation>deteniendo: la operación termina en su siguiente registro o paquete (otro Ctrl-C cierra el programa al instante y deja la unidad tal como esté).</translation>
    </message>
    <message>
        <source>A write to the unit cannot be stopped safely; it will finish first (Ctrl-C again ends the program at once, leaving the unit half written).</source>
        <translation>Una escritura en la unidad no se puede detener de forma segura; terminará primero (otro Ctrl-C cierra el programa al instante y deja la unidad a medio escribir).</translation>
    </message>
    <message>
        <source>The unit was backed up before it started; to put it back: tessitra restore &quot;%1&quot;</source>
        <translation>Se hizo una copia de seguridad de la unidad antes de empezar; para volver atrás: tessitra restore &quot;%1&quot;</translation>
    </message>
    <message>
        <source>The factory bank was kept before it started; to put it back: tessitra factory-update &quot;%1&quot;</source>
        <translation>El banco de fábrica se guardó antes de empezar; para volver atrás: tessitra factory-update &quot;%1&quot;</translation>
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
        <translation>Permite controlar desde scripts el gestor de presets de una unidad Tessitra Stage Ariette o Stage Cadenzo conectada
por USB: las mismas operaciones que la ventana de Tessitra Stage Librarian, con las mismas copias de seguridad
automáticas y comprobaciones. Las posiciones se escriben como las muestra la ventana: U01 a U100 (presets de
usuario), F01 a F100 (presets de fábrica).

Opciones:
  --bus DIR   usa las unidades virtuales conectadas a la carpeta de bus DIR (por defecto: $TESSITRA_VIRTUAL_BUS,
              o las unidades USB reales si no se indica ninguna de las dos)
  --json      muestra el resultado en JSON en la salida estándar, y un error como {&quot;error&quot;: ..., &quot;exit&quot;: ...}
  --yes       hace lo que un comando pediría confirmar (necesario si la entrada estándar no es un terminal)
  --help      este texto; `tessitra COMMAND --help` describe un comando
  --version   la versión de tessitra

Comandos:
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
Códigos de salida:
  0  éxito
  1  la operación ha fallado (por ejemplo, no está permitida en este modelo o no se ha podido contactar con el
     servidor de actualizaciones)
  2  uso incorrecto
  3  no hay ninguna unidad conectada
  4  hay varias unidades conectadas
  5  ha fallado la comunicación con la unidad
  6  falta un archivo, está dañado o es de otro modelo
  7  la unidad no contiene lo que se escribió en ella
  8  rechazado: sin confirmar, o falta --yes y no hay terminal
  9  la unidad está en uso por la ventana de Tessitra Stage Librarian o por otro tessitra
  10  al deshacer o rehacer se ha encontrado una posición cambiada desde que se escribió: no se ha escrito nada
  130  detenido con Ctrl-C: una lectura, copia de seguridad o guardado termina en su siguiente registro o paquete
       e indica hasta dónde ha llegado; una escritura en la unidad termina primero y sale con su propio código
</translation>
    </message>
    <message>
        <source>Shows model, identity and versions</source>
        <translation>Muestra modelo, identidad y versiones</translation>
    </message>
    <message>
        <source>Shows the connected unit: model, identity and versions.</source>
        <translation>Muestra la unidad conectada: modelo, identidad y versiones.</translation>
    </message>
    <message>
        <source>Lists presets or a set list</source>
        <translation>Lista presets o un setlist</translation>
    </message>
    <message>
        <source>Lists the user presets (the default), the factory presets, the favourites or set list A to D.</source>
        <translation>Lista los presets de usuario (por defecto), los presets de fábrica, los favoritos o un setlist de la A a la D.</translation>
    </message>
    <message>
        <source>Backs the unit up into a file</source>
        <translation>Hace una copia de seguridad de la unidad en un archivo</translation>
    </message>
    <message>
        <source>Backs up the user presets, set lists and system parameters into FILE (a .tarb or .tscb file).</source>
        <translation>Guarda una copia de seguridad de los presets de usuario, los setlists y los parámetros del sistema en FILE
(un archivo .tarb o .tscb).</translation>
    </message>
    <message>
        <source>Puts a back-up, or chosen parts of it, into the unit</source>
        <translation>Pone en la unidad una copia de seguridad, o partes de ella</translation>
    </message>
    <message>
        <source>Puts a back-up file back into the unit, replacing every user preset, the set lists and the system
parameters. Asks first; an automatic back-up of the unit is taken before it starts.
With --only SLOT... (user slots), --setlists LIST (favourites, A, B, C, D or all, separated by commas)
or --sysparams only those are written, each read back, and can be undone like a load (the system
parameters are not in the undo history: an automatic back-up is taken first for them).</source>
        <translation>Vuelve a poner en la unidad un archivo de copia de seguridad y sustituye todos los presets de usuario, los
setlists y los parámetros del sistema. Pregunta antes; antes de empezar se hace una copia de seguridad
automática de la unidad. Con --only SLOT... (posiciones de usuario), --setlists LIST (favourites, A, B, C, D
o all, separados por comas) o --sysparams solo se escribe eso, se vuelve a leer cada parte y se puede deshacer
como una carga (los parámetros del sistema no están en el historial de deshacer: antes se hace una copia de
seguridad automática para ellos).</translation>
    </message>
    <message>
        <source>Compares the unit or a back-up with a back-up</source>
        <translation>Compara la unidad o una copia de seguridad con otra copia</translation>
    </message>
    <message>
        <source>Compares the unit with the back-up FILE (the unit is read as a back-up reads it), or the back-ups FILE
and FILE2 (no unit needed). One line per user slot, set list and the system parameters that
differ, with its mark: settings (same name, other parameters), renamed (other name), changed
(a set list or the system parameters), missing (one side holds none); --all lists the same ones too.
Differences are no failure: the exit code is 0.</source>
        <translation>Compara la unidad con la copia de seguridad FILE (la unidad se lee igual que al hacer una copia), o las copias FILE
y FILE2 (sin necesidad de unidad). Una línea por cada posición de usuario, setlist y parámetros del sistema que
difieran, con su marca: settings (mismo nombre, otros parámetros), renamed (otro nombre), changed
(un setlist o los parámetros del sistema), missing (un lado no tiene nada); --all lista también los iguales.
Las diferencias no son un fallo: el código de salida es 0.</translation>
    </message>
    <message>
        <source>Finds presets by name in back-ups and files</source>
        <translation>Busca presets por nombre en copias de seguridad y archivos</translation>
    </message>
    <message>
        <source>Lists every back-up and preset file under FOLDER (default: both models&apos; preset and back-up folders)
that holds a preset whose name contains TEXT, newest file first: file, slot, name. No unit is needed;
exit 1 when no preset matches.</source>
        <translation>Lista cada copia de seguridad y archivo de preset bajo FOLDER (por defecto: las carpetas de presets y de copias
de seguridad de ambos modelos) que contenga un preset cuyo nombre incluya TEXT, del archivo más reciente al más
antiguo: archivo, posición, nombre. No hace falta la unidad; sale con 1 si ningún preset coincide.</translation>
    </message>
    <message>
        <source>Saves presets to preset files</source>
        <translation>Guarda presets en archivos de preset</translation>
    </message>
    <message>
        <source>Saves presets of the unit to preset files in DIR (default: the current folder; made when missing),
named as the window names them (&quot;U01_Rock Lead.tarp&quot;).</source>
        <translation>Guarda presets de la unidad en archivos de preset en DIR (por defecto: la carpeta actual; se crea si no existe),
con los nombres que les da la ventana (&quot;U01_Rock Lead.tarp&quot;).</translation>
    </message>
    <message>
        <source>Loads preset files into user slots</source>
        <translation>Carga archivos de preset en posiciones de usuario</translation>
    </message>
    <message>
        <source>Loads preset files into the user slots from SLOT on, one slot per file. Asks before it overwrites.</source>
        <translation>Carga archivos de preset en las posiciones de usuario a partir de SLOT, una posición por archivo. Pregunta antes de sobrescribir.</translation>
    </message>
    <message>
        <source>Copies a preset onto a user slot</source>
        <translation>Copia un preset en una posición de usuario</translation>
    </message>
    <message>
        <source>Copies preset FROM onto user slot TO (for example: copy F03 U90). Asks first.</source>
        <translation>Copia el preset FROM en la posición de usuario TO (por ejemplo: copy F03 U90). Pregunta antes.</translation>
    </message>
    <message>
        <source>Renames a user preset</source>
        <translation>Renombra un preset de usuario</translation>
    </message>
    <message>
        <source>Gives user preset SLOT a new name. Asks first.</source>
        <translation>Da un nombre nuevo al preset de usuario SLOT. Pregunta antes.</translation>
    </message>
    <message>
        <source>Fills a set list</source>
        <translation>Rellena un setlist</translation>
    </message>
    <message>
        <source>Makes the set list hold exactly the presets given, in order (at most 20); the other slots are emptied.
Asks first.</source>
        <translation>Hace que el setlist contenga exactamente los presets indicados, en orden (20 como máximo); las demás posiciones
se vacían. Pregunta antes.</translation>
    </message>
    <message>
        <source>Undoes the last copy, load, rename or set-list change</source>
        <translation>Deshace la última copia, carga, cambio de nombre o de setlist</translation>
    </message>
    <message>
        <source>Puts back what the last copy, load, rename or set-list change overwrote, as the window&apos;s Undo does (up to
20 steps back, kept per unit). A slot changed since is left alone: exit 10, or a second question
on a terminal. Asks first.</source>
        <translation>Recupera lo que sobrescribió la última copia, carga, cambio de nombre o de setlist, como Deshacer en la ventana
(hasta 20 pasos atrás, por unidad). Una posición cambiada desde entonces no se toca: sale con 10, o hace una
segunda pregunta en un terminal. Pregunta antes.</translation>
    </message>
    <message>
        <source>Writes again what the last undo took away</source>
        <translation>Rehace lo último que se deshizo</translation>
    </message>
    <message>
        <source>Writes again what the last undo took away, while the slots still hold what the undo put there.
Asks first.</source>
        <translation>Vuelve a escribir lo que se deshizo la última vez, siempre que las posiciones no hayan cambiado desde entonces.
Pregunta antes.</translation>
    </message>
    <message>
        <source>Rewrites a Cadenzo&apos;s factory presets</source>
        <translation>Reescribe los presets de fábrica de una Cadenzo</translation>
    </message>
    <message>
        <source>Rewrites the factory presets of a Stage Cadenzo from FactoryPresets.dat in its data folder,
or from FILE, a factory bank kept before an earlier rewrite. Asks first.</source>
        <translation>Reescribe los presets de fábrica de una Stage Cadenzo desde FactoryPresets.dat en su carpeta de datos,
o desde FILE, un banco de fábrica guardado antes de una reescritura anterior. Pregunta antes.</translation>
    </message>
    <message>
        <source>Writes firmware images into the unit</source>
        <translation>Escribe imágenes de firmware en la unidad</translation>
    </message>
    <message>
        <source>Writes firmware images into the unit: .ldr files are DSP images, .bin files microcontroller images.
Asks first; an automatic back-up of the unit is taken before each image.</source>
        <translation>Escribe imágenes de firmware en la unidad: los archivos .ldr son imágenes del DSP; los .bin, del microcontrolador.
Pregunta antes; se hace una copia de seguridad automática de la unidad antes de cada imagen.</translation>
    </message>
    <message>
        <source>Asks for newer firmware</source>
        <translation>Busca firmware más reciente</translation>
    </message>
    <message>
        <source>Asks the update server whether newer firmware exists for the unit.</source>
        <translation>Pregunta al servidor de actualizaciones si existe firmware más reciente para la unidad.</translation>
    </message>
    <message>
        <source>%1: File not found.</source>
        <translation>%1: archivo no encontrado.</translation>
    </message>
    <message>
        <source>%1 is not a back-up file.</source>
        <translation>%1 no es un archivo de copia de seguridad.</translation>
    </message>
    <message>
        <source>%1 is cut short or damaged.</source>
        <translation>%1 está incompleto o dañado.</translation>
    </message>
    <message>
        <source>%1 is not a user slot of this unit (U01 to U%2)</source>
        <translation>%1 no es una posición de usuario de esta unidad (U01 a U%2)</translation>
    </message>
    <message>
        <source>%1 is not a slot of this unit (U01 to U%2, F01 to F%2)</source>
        <translation>%1 no es una posición de esta unidad (U01 a U%2, F01 a F%2)</translation>
    </message>
    <message>
        <source>list takes one of user, factory, favourites, A, B, C, D</source>
        <translation>list admite uno de estos: user, factory, favourites, A, B, C, D</translation>
    </message>
    <message>
        <source>backup takes one FILE</source>
        <translation>backup requiere un FILE</translation>
    </message>
    <message>
        <source>restore takes one FILE</source>
        <translation>restore requiere un FILE</translation>
    </message>
    <message>
        <source>Restore %1? Every user preset, the set lists and the system parameters of the unit are replaced.</source>
        <translation>¿Restaurar %1? Se sustituirán todos los presets de usuario, los setlists y los parámetros del sistema de la unidad.</translation>
    </message>
    <message>
        <source>--only takes one SLOT or more</source>
        <translation>--only requiere uno o más SLOT</translation>
    </message>
    <message>
        <source>--setlists takes favourites, A, B, C, D or all, separated by commas</source>
        <translation>--setlists admite favourites, A, B, C, D o all, separados por comas</translation>
    </message>
    <message>
        <source>Put back %1 from %2? The unit&apos;s own are replaced.</source>
        <translation>¿Restaurar %1 desde %2? Se sustituirá lo que tiene ahora la unidad.</translation>
    </message>
    <message>
        <source>find takes TEXT and, optionally, FOLDER...</source>
        <translation>find requiere TEXT y, opcionalmente, FOLDER...</translation>
    </message>
    <message>
        <source>No preset named like &quot;%1&quot; was found.</source>
        <translation>No se ha encontrado ningún preset cuyo nombre contenga &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>diff takes FILE (against the unit) or FILE1 FILE2</source>
        <translation>diff requiere FILE (frente a la unidad) o FILE1 FILE2</translation>
    </message>
    <message>
        <source>%1 is not a %2 back-up.</source>
        <translation>%1 no es una copia de seguridad de %2.</translation>
    </message>
    <message>
        <source>Cannot make a temporary folder.</source>
        <translation>No se puede crear una carpeta temporal.</translation>
    </message>
    <message>
        <source>%1 and %2 are back-ups of different models.</source>
        <translation>%1 y %2 son copias de seguridad de modelos distintos.</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(ninguno)</translation>
    </message>
    <message>
        <source>save takes one SLOT or more</source>
        <translation>save requiere uno o más SLOT</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 no es una carpeta</translation>
    </message>
    <message>
        <source>Cannot create the folder %1.</source>
        <translation>No se puede crear la carpeta %1.</translation>
    </message>
    <message>
        <source>load takes one FILE or more and --to SLOT</source>
        <translation>load requiere uno o más FILE y --to SLOT</translation>
    </message>
    <message>
        <source>%1 files from %2 do not fit in the user slots</source>
        <translation>%1 archivos a partir de %2 no caben en las posiciones de usuario</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a file and what is wrong with it</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Do you want to overwrite the presets %1 with %2?</source>
        <translation>¿Desea sobrescribir los presets %1 con %2?</translation>
    </message>
    <message>
        <source>copy takes FROM and TO</source>
        <translation>copy requiere FROM y TO</translation>
    </message>
    <message>
        <source>rename takes SLOT and NAME</source>
        <translation>rename requiere SLOT y NAME</translation>
    </message>
    <message>
        <source>a name on this unit has 1 to %1 characters</source>
        <translation>un nombre en esta unidad tiene de 1 a %1 caracteres</translation>
    </message>
    <message>
        <source>a name holds Latin-1 letters, digits, spaces and signs only</source>
        <translation>un nombre solo admite letras Latin-1, cifras, espacios y signos</translation>
    </message>
    <message>
        <source>Rename %1 to &quot;%2&quot;?</source>
        <translation>¿Renombrar %1 como &quot;%2&quot;?</translation>
    </message>
    <message>
        <source>setlist takes a list (A, B, C, D or favourites) and 1 to 20 SLOTs</source>
        <translation>setlist requiere una lista (A, B, C, D o favourites) y de 1 a 20 SLOT</translation>
    </message>
    <message>
        <source>%1 is not a set list (A, B, C, D or favourites)</source>
        <translation>%1 no es un setlist (A, B, C, D o favourites)</translation>
    </message>
    <message>
        <source>Make %1 hold %2, and empty its other slots?</source>
        <translation>¿Hacer que %1 contenga %2 y vaciar sus demás posiciones?</translation>
    </message>
    <message>
        <source>%1 takes no arguments</source>
        <translation>%1 no admite argumentos</translation>
    </message>
    <message>
        <source>Write again what the last undo took away?</source>
        <translation>¿Volver a escribir lo que se deshizo la última vez?</translation>
    </message>
    <message>
        <source>Put back what the last copy, load, rename or set-list change overwrote?</source>
        <translation>¿Recuperar lo que sobrescribió la última copia, carga, cambio de nombre o de setlist?</translation>
    </message>
    <message>
        <source>Overwrite it anyway?</source>
        <translation>¿Sobrescribir de todos modos?</translation>
    </message>
    <message>
        <source>factory-update takes at most one FILE</source>
        <translation>factory-update admite como máximo un FILE</translation>
    </message>
    <message>
        <source>Rewrite the factory presets of the unit?</source>
        <translation>¿Reescribir los presets de fábrica de la unidad?</translation>
    </message>
    <message>
        <source>firmware takes one FILE or more</source>
        <translation>firmware requiere uno o más FILE</translation>
    </message>
    <message>
        <source>%1: neither a DSP image (.ldr) nor a microcontroller image (.bin).</source>
        <translation>%1: no es una imagen del DSP (.ldr) ni del microcontrolador (.bin).</translation>
    </message>
    <message>
        <source>Write %1 into the unit? Do not disconnect or power down the device while it runs.</source>
        <translation>¿Escribir %1 en la unidad? No desconecte ni apague la unidad mientras se escribe.</translation>
    </message>
    <message>
        <source>check-update takes no arguments</source>
        <translation>check-update no admite argumentos</translation>
    </message>
    <message>
        <source>New firmware version available.
Current: %1, %2
</source>
        <translation>Hay una nueva versión de firmware.
Actual: %1, %2
</translation>
    </message>
    <message>
        <source>New DSP:      %1  %2
</source>
        <translation>DSP nuevo:      %1  %2
</translation>
    </message>
    <message>
        <source>New firmware: %1  %2
</source>
        <translation>Firmware nuevo: %1  %2
</translation>
    </message>
    <message>
        <source>unknown command %1</source>
        <translation>comando desconocido %1</translation>
    </message>
    <message>
        <source>--to belongs to save and load</source>
        <translation>--to corresponde a save y load</translation>
    </message>
    <message>
        <source>--only, --setlists and --sysparams belong to restore</source>
        <translation>--only, --setlists y --sysparams corresponden a restore</translation>
    </message>
    <message>
        <source>--all belongs to diff</source>
        <translation>--all corresponde a diff</translation>
    </message>
    <message>
        <source>usage: tessitra [--bus DIR] [--json] [--yes] COMMAND [ARGUMENTS]
</source>
        <extracomment>The words in capitals and the options stand for what is typed: keep them as they are</extracomment>
        <translation>uso: tessitra [--bus DIR] [--json] [--yes] COMMAND [ARGUMENTS]
</translation>
    </message>
    <message>
        <source>usage: tessitra [--bus DIR] [--json] [--yes] %1</source>
        <extracomment>One command&apos;s usage: %1 is what follows the command&apos;s name, as &quot;list [user|factory|favourites|A|B|C|D]&quot;</extracomment>
        <translation>uso: tessitra [--bus DIR] [--json] [--yes] %1</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 necesita un valor</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>opción desconocida %1</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>no se ha indicado ningún comando</translation>
    </message>
    <message>
        <source>%1 into %2</source>
        <extracomment>a back-up&apos;s preset put into another user slot of the unit: &quot;U08 into U10&quot;</extracomment>
        <translation>%1 en %2</translation>
    </message>
</context>
</TS>
