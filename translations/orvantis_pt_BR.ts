<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>orvantis-cli</name>
    <message>
        <source>Instrument model: dvbt2, isdbt, base, or its model table row (15 = dvbt2, 16 = isdbt, 14 = base).</source>
        <translation>Modelo do instrumento: dvbt2, isdbt, base ou a sua linha na tabela de modelos (15 = dvbt2, 16 = isdbt, 14 = base).</translation>
    </message>
    <message>
        <source>Instrument firmware version.</source>
        <translation>Versão do firmware do instrumento.</translation>
    </message>
    <message>
        <source>detect, send, receive: every instrument at once, one per port.</source>
        <translation>detect, send, receive: todos os instrumentos de uma vez, um por porta.</translation>
    </message>
    <message>
        <source>command</source>
        <translation>comando</translation>
    </message>
    <message>
        <source>send, restore, resave, points, verify, show, diff: take a project that did not load whole (the settings after the line that stopped it at their defaults).</source>
        <translation>send, restore, resave, points, verify, show, diff: aceita um projeto que não carregou inteiro (as configurações depois da linha que o interrompeu ficam nos valores padrão).</translation>
    </message>
    <message>
        <source>send, restore: do not back up the instrument&apos;s settings first.</source>
        <translation>send, restore: não faz antes o backup das configurações do instrumento.</translation>
    </message>
    <message>
        <source>send, restore, backups: the folder of the backups (default ~/.local/share/orvantis/backups).</source>
        <translation>send, restore, backups: a pasta dos backups (padrão ~/.local/share/orvantis/backups).</translation>
    </message>
    <message>
        <source>send, restore: write only the records that differ from what the instrument holds.</source>
        <translation>send, restore: grava somente os registros que diferem do que o instrumento tem.</translation>
    </message>
    <message>
        <source>send, restore: read the instrument back and compare afterwards.</source>
        <translation>send, restore: lê o instrumento de volta e compara depois.</translation>
    </message>
    <message>
        <source>points plan: the first point to fill (1).</source>
        <translation>points plan: o primeiro ponto a preencher (1).</translation>
    </message>
    <message>
        <source>points plan: the points&apos; names; {n} is the channel (CH{n}).</source>
        <translation>points plan: os nomes dos pontos; {n} é o canal (CH{n}).</translation>
    </message>
    <message>
        <source>points plan: 7 and 8 MHz channels as DVB-T2, not DVB-T.</source>
        <translation>points plan: canais de 7 e 8 MHz como DVB-T2, não DVB-T.</translation>
    </message>
    <message>
        <source>new, resave, show, diff, points, plans, bands, ports, detect, receive, send, verify, backups, restore or term</source>
        <translation>new, resave, show, diff, points, plans, bands, ports, detect, receive, send, verify, backups, restore ou term</translation>
    </message>
    <message>
        <source>Prepares and converts Orvantis+ project files (.pro) without the window.

Commands:
  new OUT.pro             a new project with the factory defaults, saved as OUT.pro
  resave IN.pro OUT.pro   opens IN.pro and saves it as OUT.pro
  points export IN.pro OUT.csv
                          writes the detection points of IN.pro as CSV
  points import IN.pro POINTS.csv OUT.pro
                          IN.pro with the points of POINTS.csv, saved as OUT.pro
                          (nothing is written unless every row passes the checks)
  plans                   lists the channel plans: built in, and ~/.local/share/orvantis/plans/*.csv
  plans show ID           every channel of plan ID with its centre in kHz, as a plan file
  points plan IN.pro ID CHANNELS OUT.pro [--first N] [--names PATTERN] [--dvb-t2]
                          IN.pro with points from N on (1) set to channels of plan ID
                          (21-48,50), named by PATTERN ({n} is the channel), saved as OUT.pro
  bands plan IN.pro BAND ID FIRST LAST OUT.pro
                          IN.pro with scan band BAND (1-4) from channel FIRST to LAST of plan ID
  ports                   lists COM1 to COM40 and the devices they stand for
  detect                  looks for the instrument on COM1 to COM40, or on --port (exit 0 when found)
  detect --all            tries every port and prints one line per instrument that answered
  receive OUT.pro         reads the instrument&apos;s settings and saves them as OUT.pro
                          (nothing is written unless every record was read)
  receive --all DIR       reads every instrument at once, each into DIR/&lt;name&gt;-&lt;port&gt;.pro
  send IN.pro             writes IN.pro into the instrument (exit 0 when every line was taken);
                          the instrument&apos;s settings are first backed up (see --no-backup)
  send --all IN.pro       writes IN.pro into every instrument at once, each backed up first;
                          a table of the instruments at the end (exit 0 when all took it)
  send --changed IN.pro   writes only the records that differ from what the instrument holds
                          (also with --all); when none differs nothing is written
  backups [list]          the backups of the backups folder (or --backup-dir), newest first
  backups diff A.pro B.pro
                          the settings that differ between two backups, as diff
  restore BACKUP.pro      sends a backup back, with a backup of the instrument first; into
                          another instrument than its own only with --force
  verify IN.pro           reads the instrument and compares it with IN.pro (exit 0 when the same)
  show IN.pro             the whole project in words
  diff A.pro B.pro        the settings that differ between two projects (exit 0 when none)
  term [PORT]             the serial terminal in this text terminal (Alt+H: help, Alt+Q: exit)

Ports: COM1 to COM40, or a serial port that another machine serves with ser2net:
  tcp://HOST:PORT         raw TCP (the line settings are the server&apos;s)
  rfc2217://HOST:PORT     Telnet with RFC 2217 (the program sets 115200 8N1)
Both carry the instrument&apos;s traffic unencrypted and without authentication.</source>
        <translation>Prepara e converte arquivos de projeto do Orvantis+ (.pro) sem a janela.

Comandos:
  new OUT.pro             um projeto novo com os valores de fábrica, salvo como OUT.pro
  resave IN.pro OUT.pro   abre IN.pro e o salva como OUT.pro
  points export IN.pro OUT.csv
                          grava os pontos de detecção de IN.pro em CSV
  points import IN.pro POINTS.csv OUT.pro
                          IN.pro com os pontos de POINTS.csv, salvo como OUT.pro
                          (nada é gravado a menos que todas as linhas passem nas verificações)
  plans                   lista os planos de canais: os embutidos e ~/.local/share/orvantis/plans/*.csv
  plans show ID           todos os canais do plano ID com a frequência central em kHz, como arquivo de plano
  points plan IN.pro ID CHANNELS OUT.pro [--first N] [--names PATTERN] [--dvb-t2]
                          IN.pro com os pontos a partir de N (1) nos canais CHANNELS do plano ID
                          (21-48,50), com os nomes de PATTERN ({n} é o canal), salvo como OUT.pro
  bands plan IN.pro BAND ID FIRST LAST OUT.pro
                          IN.pro com a banda de varredura BAND (1-4) do canal FIRST ao LAST do plano ID
  ports                   lista COM1 a COM40 e os dispositivos que eles representam
  detect                  procura o instrumento em COM1 a COM40, ou em --port (saída 0 quando encontrado)
  detect --all            tenta todas as portas e imprime uma linha por instrumento que respondeu
  receive OUT.pro         lê as configurações do instrumento e as salva como OUT.pro
                          (nada é gravado a menos que todos os registros tenham sido lidos)
  receive --all DIR       lê todos os instrumentos de uma vez, cada um em DIR/&lt;nome&gt;-&lt;porta&gt;.pro
  send IN.pro             grava IN.pro no instrumento (saída 0 quando todas as linhas foram aceitas);
                          antes, é feito um backup das configurações do instrumento (veja --no-backup)
  send --all IN.pro       grava IN.pro em todos os instrumentos de uma vez, cada um com backup antes;
                          uma tabela dos instrumentos no final (saída 0 quando todos aceitaram)
  send --changed IN.pro   grava somente os registros que diferem do que o instrumento tem
                          (também com --all); quando nenhum difere, nada é gravado
  backups [list]          os backups da pasta de backups (ou --backup-dir), do mais recente ao mais antigo
  backups diff A.pro B.pro
                          as configurações que diferem entre dois backups, como o diff
  restore BACKUP.pro      envia um backup de volta, com um backup do instrumento antes; para um
                          instrumento que não seja o seu somente com --force
  verify IN.pro           lê o instrumento e o compara com IN.pro (saída 0 quando iguais)
  show IN.pro             o projeto inteiro em palavras
  diff A.pro B.pro        as configurações que diferem entre dois projetos (saída 0 quando nenhuma)
  term [PORT]             o terminal serial neste terminal de texto (Alt+H: ajuda, Alt+Q: sair)

Portas: COM1 a COM40, ou uma porta serial que outra máquina serve com o ser2net:
  tcp://HOST:PORT         TCP puro (as configurações da linha são as do servidor)
  rfc2217://HOST:PORT     Telnet com RFC 2217 (o programa define 115200 8N1)
As duas levam o tráfego do instrumento sem criptografia e sem autenticação.</translation>
    </message>
    <message>
        <source>detect, receive, send, verify: look for the instrument on this port alone, e.g. COM3 or tcp://bench1:3001.</source>
        <translation>detect, receive, send, verify: procura o instrumento somente nesta porta, p. ex. COM3 ou tcp://bench1:3001.</translation>
    </message>
    <message>
        <source>with --all: only these ports, e.g. COM2,COM5-COM9,tcp://bench1:3001.</source>
        <translation>com --all: somente estas portas, p. ex. COM2,COM5-COM9,tcp://bench1:3001.</translation>
    </message>
</context>
<context>
    <name>orvantis::NumberText</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos; não é um valor inteiro válido</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>&apos;%1&apos; não é um valor numérico válido</translation>
    </message>
</context>
<context>
    <name>orvantis::PlanParts</name>
    <message>
        <source>Europe VHF band III</source>
        <translation>VHF da Europa, banda III</translation>
    </message>
    <message>
        <source>Europe UHF (Geneva 2006 plan)</source>
        <translation>UHF da Europa (plano de Genebra 2006)</translation>
    </message>
    <message>
        <source>European cable, S channels</source>
        <translation>Cabo europeu, canais S</translation>
    </message>
    <message>
        <source>Australia VHF</source>
        <translation>VHF da Austrália</translation>
    </message>
    <message>
        <source>Australia UHF</source>
        <translation>UHF da Austrália</translation>
    </message>
    <message>
        <source>Brazil and ISDB-Tb countries, VHF</source>
        <translation>Brasil e países do ISDB-Tb, VHF</translation>
    </message>
    <message>
        <source>Brazil and ISDB-Tb countries, UHF</source>
        <translation>Brasil e países do ISDB-Tb, UHF</translation>
    </message>
    <message>
        <source>Japan UHF</source>
        <translation>UHF do Japão</translation>
    </message>
    <message>
        <source>User plan %1.csv</source>
        <translation>Plano do usuário %1.csv</translation>
    </message>
    <message>
        <source>Not offered: %1: %2</source>
        <translation>Não oferecido: %1: %2</translation>
    </message>
</context>
<context>
    <name>orvantis::TAboutBox</name>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Remote control and configuration for Orvantis+. ORVANTIS+ - Terrestrial Analyser DVB-T/T2.</source>
        <translation>Controle remoto e configuração do Orvantis+. ORVANTIS+ - Analisador de TV terrestre DVB-T/T2.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Version </source>
        <translation>Versão </translation>
    </message>
</context>
<context>
    <name>orvantis::TBackupsDlg</name>
    <message>
        <source>Instrument Backups</source>
        <translation>Backups do instrumento</translation>
    </message>
    <message>
        <source>&amp;Instrument:</source>
        <translation>&amp;Instrumento:</translation>
    </message>
    <message>
        <source>Instrument</source>
        <translation>Instrumento</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Porta</translation>
    </message>
    <message>
        <source>Taken</source>
        <translation>Feito em</translation>
    </message>
    <message>
        <source>Points in use</source>
        <translation>Pontos em uso</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>&amp;Compare with Project</source>
        <translation>&amp;Comparar com o projeto</translation>
    </message>
    <message>
        <source>Compare &amp;Two Selected</source>
        <translation>Comparar os &amp;dois selecionados</translation>
    </message>
    <message>
        <source>&amp;Restore to Instrument...</source>
        <translation>&amp;Restaurar no instrumento...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Excluir</translation>
    </message>
    <message>
        <source>Show in &amp;Folder</source>
        <translation>Mostrar na &amp;pasta</translation>
    </message>
    <message>
        <source>All instruments</source>
        <translation>Todos os instrumentos</translation>
    </message>
    <message>
        <source>No backups in %1 yet: every Send leaves one there.</source>
        <translation>Ainda não há backups em %1: cada envio deixa um ali.</translation>
    </message>
    <message>
        <source>Folder: %1</source>
        <translation>Pasta: %1</translation>
    </message>
    <message>
        <source>%1, copy %2</source>
        <translation>%1, cópia %2</translation>
    </message>
    <message>
        <source>not readable</source>
        <translation>ilegível</translation>
    </message>
    <message numerus="yes">
        <source>... and %n more.</source>
        <translation>
            <numerusform>... e mais %n.</numerusform>
            <numerusform>... e mais %n.</numerusform>
        </translation>
    </message>
    <message>
        <source>The backup %1 cannot be read: %2.</source>
        <translation>Não é possível ler o backup %1: %2.</translation>
    </message>
    <message numerus="yes">
        <source>%n settings differ between the project and the backup of %1:</source>
        <translation>
            <numerusform>%n configuração difere entre o projeto e o backup de %1:</numerusform>
            <numerusform>%n configurações diferem entre o projeto e o backup de %1:</numerusform>
        </translation>
    </message>
    <message>
        <source>The backup of %1 holds the settings of the project.</source>
        <translation>O backup de %1 tem as configurações do projeto.</translation>
    </message>
    <message numerus="yes">
        <source>%n settings differ between %1 and %2:</source>
        <translation>
            <numerusform>%n configuração difere entre %1 e %2:</numerusform>
            <numerusform>%n configurações diferem entre %1 e %2:</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 and %2 hold the same settings.</source>
        <translation>%1 e %2 têm as mesmas configurações.</translation>
    </message>
    <message>
        <source>Delete the backup %1?

It cannot be brought back.</source>
        <translation>Excluir o backup %1?

Ele não poderá ser recuperado.</translation>
    </message>
    <message numerus="yes">
        <source>Delete the %n selected backups?

They cannot be brought back.</source>
        <translation>
            <numerusform>Excluir o backup selecionado?

Ele não poderá ser recuperado.</numerusform>
            <numerusform>Excluir os %n backups selecionados?

Eles não poderão ser recuperados.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Orvantis error</source>
        <translation>Erro do Orvantis</translation>
    </message>
    <message>
        <source>Not deleted:
</source>
        <translation>Não excluídos:
</translation>
    </message>
    <message>
        <source>The folder %1 could not be shown.</source>
        <translation>Não foi possível mostrar a pasta %1.</translation>
    </message>
    <message>
        <source>Backups</source>
        <translation>Lista de backups</translation>
    </message>
</context>
<context>
    <name>orvantis::TCfgEditorDlg</name>
    <message>
        <source>Orvantis error</source>
        <translation>Erro do Orvantis</translation>
    </message>
    <message>
        <source>Max Freq 858MHz</source>
        <translation>Freq. máx. 858MHz</translation>
    </message>
    <message>
        <source>Min Freq 170MHz</source>
        <translation>Freq. mín. 170MHz</translation>
    </message>
    <message>
        <source>End Freq must be higher than Start Freq!</source>
        <translation>A freq. final deve ser maior que a freq. inicial!</translation>
    </message>
    <message>
        <source>Start Freq must be lower than End Freq</source>
        <translation>A freq. inicial deve ser menor que a freq. final</translation>
    </message>
    <message>
        <source>Configuration editor</source>
        <translation>Editor de configuração</translation>
    </message>
    <message>
        <source>Initial detection point index: </source>
        <translation>Índice do ponto de detecção inicial: </translation>
    </message>
    <message>
        <source>Last detection point index: </source>
        <translation>Índice do último ponto de detecção: </translation>
    </message>
    <message>
        <source>noise voltage measured</source>
        <translation>tensão de ruído medida</translation>
    </message>
    <message>
        <source>Minimum noise level to detect signal:</source>
        <translation>Nível mínimo de ruído para detectar sinal:</translation>
    </message>
    <message>
        <source>reference value for PASS installation</source>
        <translation>valor de referência para uma instalação PASS</translation>
    </message>
    <message>
        <source>MER threshold for high quality signal: </source>
        <translation>Limiar de MER para sinal de alta qualidade: </translation>
    </message>
    <message>
        <source>External Power Supply Control for Amplifiers</source>
        <translation>Controle da alimentação externa para amplificadores</translation>
    </message>
    <message>
        <source>EPS CONTROL ON</source>
        <translation>ALIMENTAÇÃO EXT. LIGADA</translation>
    </message>
    <message>
        <source>EPS CONTROL OFF</source>
        <translation>ALIMENTAÇÃO EXT. DESLIGADA</translation>
    </message>
    <message>
        <source>ON (LNB On) or OFF (LNB Off)</source>
        <translation>LIGADA (LNB ligado) ou DESLIGADA (LNB desligado)</translation>
    </message>
    <message>
        <source>Units Selection</source>
        <translation>Unidade de medida</translation>
    </message>
    <message>
        <source>CBER (with Bar)</source>
        <translation>CBER (com barra)</translation>
    </message>
    <message>
        <source>VBER(with Bar)</source>
        <translation>VBER (com barra)</translation>
    </message>
    <message>
        <source>Both (CBER+VBER)</source>
        <translation>Ambos (CBER+VBER)</translation>
    </message>
    <message>
        <source>BER selection DVB-T</source>
        <translation>Seleção de BER DVB-T</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Desativado</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Ativado</translation>
    </message>
    <message>
        <source>Only Warnings</source>
        <translation>Somente alertas</translation>
    </message>
    <message>
        <source>Sound Selection</source>
        <translation>Som</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>DESLIGADA</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>LIGADA</translation>
    </message>
    <message>
        <source>AUTO</source>
        <translation>AUTO</translation>
    </message>
    <message>
        <source>Backlight Mode</source>
        <translation>Modo da luz de fundo</translation>
    </message>
    <message>
        <source>Display Contrast (Min  -  Max)</source>
        <translation>Contraste da tela (mín.  -  máx.)</translation>
    </message>
    <message>
        <source>SCAN %1 </source>
        <translation>VARREDURA %1 </translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Ativar</translation>
    </message>
    <message>
        <source>Center (KHz)</source>
        <translation>Central (KHz)</translation>
    </message>
    <message>
        <source>Start Freq</source>
        <translation>Freq. inicial</translation>
    </message>
    <message>
        <source>End Freq</source>
        <translation>Freq. final</translation>
    </message>
    <message>
        <source>STEP SCAN</source>
        <translation>PASSO DA VARREDURA</translation>
    </message>
    <message>
        <source>BW: 5MHz, 6MHz, 7MHz or 8MHz</source>
        <translation>Largura de banda: 5MHz, 6MHz, 7MHz ou 8MHz</translation>
    </message>
    <message>
        <source>Initial Char</source>
        <translation>Caractere inicial</translation>
    </message>
    <message>
        <source>Initial Index</source>
        <translation>Índice inicial</translation>
    </message>
    <message>
        <source>Blank</source>
        <translation>Em branco</translation>
    </message>
</context>
<context>
    <name>orvantis::TChannelPlansDlg</name>
    <message>
        <source>yes</source>
        <translation>sim</translation>
    </message>
    <message>
        <source>no</source>
        <translation>não</translation>
    </message>
    <message>
        <source>Start Freq</source>
        <translation>Freq. inicial</translation>
    </message>
    <message>
        <source>End Freq</source>
        <translation>Freq. final</translation>
    </message>
    <message>
        <source>STEP SCAN</source>
        <translation>PASSO DA VARREDURA</translation>
    </message>
    <message>
        <source>First channel</source>
        <translation>Primeiro canal</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Ativar</translation>
    </message>
    <message>
        <source>Channel Plans</source>
        <translation>Planos de canais</translation>
    </message>
    <message>
        <source>SCAN %1</source>
        <translation>VARREDURA %1</translation>
    </message>
    <message>
        <source>&amp;Scan band:</source>
        <translation>Banda de &amp;varredura:</translation>
    </message>
    <message>
        <source>&amp;Plan:</source>
        <translation>&amp;Plano:</translation>
    </message>
    <message>
        <source>&amp;First channel:</source>
        <translation>P&amp;rimeiro canal:</translation>
    </message>
    <message>
        <source>&amp;Last channel:</source>
        <translation>Ú&amp;ltimo canal:</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Agora</translation>
    </message>
    <message>
        <source>After OK</source>
        <translation>Depois do OK</translation>
    </message>
    <message>
        <source>no plan chosen</source>
        <translation>nenhum plano escolhido</translation>
    </message>
    <message>
        <source>The band cannot be set: %1.</source>
        <translation>Não é possível definir a banda: %1.</translation>
    </message>
</context>
<context>
    <name>orvantis::TConsoleWindow</name>
    <message>
        <source>%1 - Terminal</source>
        <translation>%1 - Terminal serial</translation>
    </message>
</context>
<context>
    <name>orvantis::TDetPointsDlg</name>
    <message>
        <source>ORVANTIS+ error</source>
        <translation>Erro do ORVANTIS+</translation>
    </message>
    <message>
        <source>Usually, left as Auto</source>
        <translation>Normalmente, deixe em Auto</translation>
    </message>
    <message>
        <source>Detection points editor</source>
        <translation>Editor de pontos de detecção</translation>
    </message>
    <message>
        <source>Select index to edit a test point: </source>
        <translation>Selecione o índice do ponto de detecção: </translation>
    </message>
    <message>
        <source>Spectral inversion</source>
        <translation>Inversão espectral</translation>
    </message>
    <message>
        <source>Autodetected, if not specified</source>
        <translation>Detectada automaticamente, se não for indicada</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequência</translation>
    </message>
    <message>
        <source>Channel Name (8 chars)</source>
        <translation>Nome do canal (8 caracteres)</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Padrão</translation>
    </message>
    <message>
        <source>BW Filter</source>
        <translation>Filtro de largura de banda</translation>
    </message>
    <message>
        <source>FFT Mode</source>
        <translation>Modo FFT</translation>
    </message>
    <message>
        <source>Guard Interval</source>
        <translation>Intervalo de guarda</translation>
    </message>
    <message>
        <source>Max Freq 858MHz</source>
        <translation>Freq. máx. 858MHz</translation>
    </message>
    <message>
        <source>Min Freq 170MHz</source>
        <translation>Freq. mín. 170MHz</translation>
    </message>
</context>
<context>
    <name>orvantis::TFindDlg</name>
    <message>
        <source>Find</source>
        <translation>Localizar</translation>
    </message>
    <message>
        <source>Fi&amp;nd what:</source>
        <translation>&amp;Localizar:</translation>
    </message>
    <message>
        <source>Match &amp;whole word only</source>
        <translation>Somente palavras &amp;inteiras</translation>
    </message>
    <message>
        <source>Match &amp;case</source>
        <translation>Diferenciar &amp;maiúsculas/minúsculas</translation>
    </message>
    <message>
        <source>&amp;Find Next</source>
        <translation>Localizar &amp;próxima</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>orvantis::TFleet</name>
    <message>
        <source>; %1 would not open</source>
        <translation>; %1 não abriu</translation>
    </message>
    <message>
        <source>no instrument answered on the %1 ports tried</source>
        <translation>nenhum instrumento respondeu nas %1 portas testadas</translation>
    </message>
    <message>
        <source>1 instrument found</source>
        <translation>1 instrumento encontrado</translation>
    </message>
    <message>
        <source>%1 instruments found</source>
        <translation>%1 instrumentos encontrados</translation>
    </message>
    <message>
        <source>sent to %1 of %2 instruments</source>
        <translation>enviado a %1 de %2 instrumentos</translation>
    </message>
    <message>
        <source>received from %1 of %2 instruments</source>
        <translation>recebido de %1 de %2 instrumentos</translation>
    </message>
    <message>
        <source>backing up</source>
        <translation>fazendo backup</translation>
    </message>
    <message>
        <source>receiving</source>
        <translation>recebendo</translation>
    </message>
    <message>
        <source>sending</source>
        <translation>enviando</translation>
    </message>
    <message>
        <source>sent</source>
        <translation>enviado</translation>
    </message>
    <message>
        <source>received</source>
        <translation>recebido</translation>
    </message>
    <message>
        <source>detecting</source>
        <translation>detectando</translation>
    </message>
    <message>
        <source>not available</source>
        <translation>indisponível</translation>
    </message>
    <message>
        <source>not used</source>
        <translation>não usada</translation>
    </message>
    <message>
        <source>found</source>
        <translation>encontrado</translation>
    </message>
    <message>
        <source>an unexpected failure</source>
        <translation>uma falha inesperada</translation>
    </message>
</context>
<context>
    <name>orvantis::TFormDialog</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>orvantis::TMainForm</name>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Novo</translation>
    </message>
    <message>
        <source>Create file</source>
        <translation>Criar arquivo</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>Open file</source>
        <translation>Abrir arquivo</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salvar</translation>
    </message>
    <message>
        <source>Save file</source>
        <translation>Salvar arquivo</translation>
    </message>
    <message>
        <source>Save &amp;As</source>
        <translation>Salvar &amp;como</translation>
    </message>
    <message>
        <source>Save file as</source>
        <translation>Salvar arquivo como</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sai&amp;r</translation>
    </message>
    <message>
        <source>Exit application</source>
        <translation>Sair do programa</translation>
    </message>
    <message>
        <source>&amp;Point</source>
        <translation>&amp;Ponto</translation>
    </message>
    <message>
        <source>Edit detection points</source>
        <translation>Editar pontos de detecção</translation>
    </message>
    <message>
        <source>&amp;Config</source>
        <translation>&amp;Configuração</translation>
    </message>
    <message>
        <source>Edit equipment configuration</source>
        <translation>Editar a configuração do equipamento</translation>
    </message>
    <message>
        <source>&amp;Message</source>
        <translation>&amp;Mensagem</translation>
    </message>
    <message>
        <source>Edit text messages</source>
        <translation>Editar as mensagens de texto</translation>
    </message>
    <message>
        <source>Point &amp;List...</source>
        <translation>&amp;Lista de pontos...</translation>
    </message>
    <message>
        <source>Edit every detection point in one list</source>
        <translation>Editar todos os pontos de detecção numa lista</translation>
    </message>
    <message>
        <source>&amp;Send</source>
        <translation>&amp;Enviar</translation>
    </message>
    <message>
        <source>Send data to equipment</source>
        <translation>Enviar dados ao equipamento</translation>
    </message>
    <message>
        <source>Send to &amp;All Instruments...</source>
        <translation>Enviar a &amp;todos os instrumentos...</translation>
    </message>
    <message>
        <source>Send the project to every instrument at once</source>
        <translation>Enviar o projeto a todos os instrumentos de uma vez</translation>
    </message>
    <message>
        <source>&amp;Receive</source>
        <translation>&amp;Receber</translation>
    </message>
    <message>
        <source>Receive data from the equipment</source>
        <translation>Receber dados do equipamento</translation>
    </message>
    <message>
        <source>&amp;Compare with instrument</source>
        <translation>C&amp;omparar com o instrumento</translation>
    </message>
    <message>
        <source>Read the equipment and compare it with the project</source>
        <translation>Ler o equipamento e compará-lo com o projeto</translation>
    </message>
    <message>
        <source>&amp;Back up before Send</source>
        <translation>&amp;Backup antes de enviar</translation>
    </message>
    <message>
        <source>Keep a copy of the equipment&apos;s settings before every send</source>
        <translation>Guardar uma cópia das configurações do equipamento antes de cada envio</translation>
    </message>
    <message>
        <source>&amp;Editor</source>
        <translation>Editor de te&amp;xto</translation>
    </message>
    <message>
        <source>Text editor application</source>
        <translation>Editor de texto</translation>
    </message>
    <message>
        <source>&amp;Terminal</source>
        <translation>Terminal &amp;serial</translation>
    </message>
    <message>
        <source>Terminal for remote control</source>
        <translation>Terminal para controle remoto</translation>
    </message>
    <message>
        <source>&amp;Monitor</source>
        <translation>Mo&amp;nitorar</translation>
    </message>
    <message>
        <source>Remote control</source>
        <translation>Controle remoto</translation>
    </message>
    <message>
        <source>&amp;Detect</source>
        <translation>&amp;Detectar</translation>
    </message>
    <message>
        <source>Detect COM port</source>
        <translation>Detectar a porta COM</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Sobre</translation>
    </message>
    <message>
        <source>Show application info</source>
        <translation>Mostrar informações do programa</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Ferramentas</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>Commands</source>
        <translation>Comandos</translation>
    </message>
    <message>
        <source>Equipment?</source>
        <translation>Equipamento?</translation>
    </message>
    <message>
        <source>Port?</source>
        <translation>Porta?</translation>
    </message>
    <message>
        <source>The recovery copy of the unsaved changes could not be written.</source>
        <translation>Não foi possível gravar a cópia de recuperação das alterações não salvas.</translation>
    </message>
    <message>
        <source>The changes to %1 kept when the program ended on %2 cannot be restored: %3

The copy is kept as %4.</source>
        <translation>As alterações em %1 guardadas quando o programa terminou em %2 não podem ser restauradas: %3

A cópia foi guardada como %4.</translation>
    </message>
    <message>
        <source>The program ended on %1 without saving the changes to %2.

Restore them? They come back as an unsaved project. Later keeps them for the next start.</source>
        <translation>O programa terminou em %1 sem salvar as alterações em %2.

Restaurá-las? Elas voltam como um projeto não salvo. Depois as guarda para a próxima inicialização.</translation>
    </message>
    <message>
        <source>Please wait: the instrument operation is still running.</source>
        <translation>Aguarde: a operação com o instrumento ainda está em andamento.</translation>
    </message>
    <message>
        <source>Compare with instrument</source>
        <translation>Comparar com o instrumento</translation>
    </message>
    <message>
        <source>The instrument could not be read: see the log.</source>
        <translation>Não foi possível ler o instrumento: veja o registro.</translation>
    </message>
    <message>
        <source>The instrument holds the settings of the project.</source>
        <translation>O instrumento tem as configurações do projeto.</translation>
    </message>
    <message>
        <source>... and %1 more, all in the log.</source>
        <translation>... e mais %1, todas no registro.</translation>
    </message>
    <message>
        <source>%1 settings differ between the project and the instrument:

</source>
        <translation>%1 configurações diferem entre o projeto e o instrumento:

</translation>
    </message>
    <message>
        <source>The instrument operation is still running. Close the program when it has ended.</source>
        <translation>A operação com o instrumento ainda está em andamento. Feche o programa quando ela terminar.</translation>
    </message>
    <message>
        <source>Close the terminal first.</source>
        <translation>Feche primeiro o terminal.</translation>
    </message>
    <message>
        <source>Orvantis error</source>
        <translation>Erro do Orvantis</translation>
    </message>
    <message>
        <source>The log file %1 could not be written.

%2</source>
        <translation>Não foi possível gravar o arquivo de registro %1.

%2</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Registro</translation>
    </message>
    <message>
        <source>C&amp;hannel Plans...</source>
        <translation>Pla&amp;nos de canais...</translation>
    </message>
    <message>
        <source>Set a scan band from a country&apos;s channel plan</source>
        <translation>Definir uma banda de varredura pelo plano de canais de um país</translation>
    </message>
    <message>
        <source>Send Only C&amp;hanges</source>
        <translation>Enviar somente as &amp;alterações</translation>
    </message>
    <message>
        <source>Write only the records that differ from what the equipment holds</source>
        <translation>Gravar somente os registros que diferem do que o equipamento tem</translation>
    </message>
    <message>
        <source>Instrument Bac&amp;kups...</source>
        <translation>Backups do &amp;instrumento...</translation>
    </message>
    <message>
        <source>Find, compare and restore the backups that every send leaves</source>
        <translation>Encontrar, comparar e restaurar os backups que cada envio deixa</translation>
    </message>
    <message>
        <source>

The project did not load whole, so this says nothing of the file after its bad line:
</source>
        <translation>

O projeto não carregou inteiro, então isto não diz nada sobre o arquivo depois da sua linha com erro:
</translation>
    </message>
    <message>
        <source>The backup %1 cannot be read: %2.</source>
        <translation>Não é possível ler o backup %1: %2.</translation>
    </message>
    <message>
        <source>not named as a backup</source>
        <translation>o nome não é o de um backup</translation>
    </message>
    <message>
        <source>the %1 on %2</source>
        <translation>o %1 em %2</translation>
    </message>
    <message>
        <source>the instrument</source>
        <translation>o instrumento</translation>
    </message>
    <message>
        <source>Restore to Instrument</source>
        <translation>Restaurar no instrumento</translation>
    </message>
    <message>
        <source>Send the backup of %1 taken on %2 into %3?

Every setting of the instrument is replaced; its present settings are backed up first.</source>
        <translation>Enviar o backup de %1 feito em %2 para %3?

Todas as configurações do instrumento serão substituídas; antes, é feito um backup das configurações atuais.</translation>
    </message>
    <message>
        <source>This backup was taken from an instrument named %1, but the one on %2 is named %3.

Send it into this instrument all the same?</source>
        <translation>Este backup foi feito de um instrumento chamado %1, mas o que está em %2 se chama %3.

Enviá-lo para este instrumento mesmo assim?</translation>
    </message>
    <message>
        <source>&amp;Network Ports...</source>
        <translation>&amp;Portas de rede...</translation>
    </message>
    <message>
        <source>Serial ports served over the network</source>
        <translation>Portas seriais servidas pela rede</translation>
    </message>
</context>
<context>
    <name>orvantis::TMessEditDlg</name>
    <message>
        <source>Text messages editor</source>
        <translation>Editor de mensagens de texto</translation>
    </message>
    <message>
        <source>Select the message to edit:</source>
        <translation>Selecione a mensagem a editar:</translation>
    </message>
    <message>
        <source>current message</source>
        <translation>mensagem atual</translation>
    </message>
    <message>
        <source>hex index</source>
        <translation>índice hexadecimal</translation>
    </message>
    <message>
        <source>editable window</source>
        <translation>janela editável</translation>
    </message>
    <message>
        <source>restore text</source>
        <translation>restaurar o texto</translation>
    </message>
    <message>
        <source>enter password</source>
        <translation>digitar a senha</translation>
    </message>
    <message>
        <source>current:</source>
        <translation>atual:</translation>
    </message>
    <message>
        <source>edited:</source>
        <translation>editada:</translation>
    </message>
</context>
<context>
    <name>orvantis::TNetworkPortsDlg</name>
    <message>
        <source>Network Ports</source>
        <translation>Portas de rede</translation>
    </message>
    <message>
        <source>Serial ports that another machine serves over the network with ser2net. Detect tries them after COM1 to COM40.</source>
        <translation>Portas seriais que outra máquina serve pela rede com o ser2net. O comando Detectar as testa depois de COM1 a COM40.</translation>
    </message>
    <message>
        <source>tcp://bench1:3001 or rfc2217://bench1:3002</source>
        <translation>tcp://bancada1:3001 ou rfc2217://bancada1:3002</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Adicionar</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Remover</translation>
    </message>
    <message>
        <source>&amp;Terminal</source>
        <translation>Terminal &amp;serial</translation>
    </message>
    <message>
        <source>Open the terminal on the selected port</source>
        <translation>Abrir o terminal serial na porta selecionada</translation>
    </message>
    <message>
        <source>Both kinds carry the instrument&apos;s traffic unencrypted and without a password: serve them on 127.0.0.1 and reach another machine through an SSH tunnel.</source>
        <translation>Os dois tipos levam o tráfego do instrumento sem criptografia e sem senha: sirva-os em 127.0.0.1 e chegue a outra máquina por um túnel SSH.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no network port: give tcp://HOST:PORT or rfc2217://HOST:PORT.</source>
        <translation>&quot;%1&quot; não é uma porta de rede: indique tcp://HOST:PORTA ou rfc2217://HOST:PORTA.</translation>
    </message>
    <message>
        <source>Network port address</source>
        <translation>Endereço da porta de rede</translation>
    </message>
    <message>
        <source>Network ports</source>
        <translation>Portas de rede</translation>
    </message>
</context>
<context>
    <name>orvantis::TPasswordDlg</name>
    <message>
        <source>Password</source>
        <translation>Senha</translation>
    </message>
    <message>
        <source>Enter service password:</source>
        <translation>Digite a senha de serviço:</translation>
    </message>
</context>
<context>
    <name>orvantis::TPlanFillDlg</name>
    <message>
        <source>Fill from Plan</source>
        <translation>Preencher pelo plano</translation>
    </message>
    <message>
        <source>Channels and ranges, separated by commas: 21-48,50 or S11-S13,S23</source>
        <translation>Canais e faixas, separados por vírgulas: 21-48,50 ou S11-S13,S23</translation>
    </message>
    <message>
        <source>{n} becomes the channel as the plan names it; at most 8 characters</source>
        <translation>{n} vira o canal como o plano o chama; no máximo 8 caracteres</translation>
    </message>
    <message>
        <source>DVB-T&amp;2 rather than DVB-T for 7 and 8 MHz channels</source>
        <translation>DVB-T&amp;2 em vez de DVB-T para os canais de 7 e 8 MHz</translation>
    </message>
    <message>
        <source>&amp;Plan:</source>
        <translation>&amp;Plano:</translation>
    </message>
    <message>
        <source>&amp;Channels:</source>
        <translation>&amp;Canais:</translation>
    </message>
    <message>
        <source>&amp;First point:</source>
        <translation>P&amp;rimeiro ponto:</translation>
    </message>
    <message>
        <source>&amp;Names ({n} = channel):</source>
        <translation>&amp;Nomes ({n} = canal):</translation>
    </message>
    <message>
        <source>Point</source>
        <translation>Ponto</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Canal</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Agora</translation>
    </message>
    <message>
        <source>After OK</source>
        <translation>Depois do OK</translation>
    </message>
    <message>
        <source>no plan chosen</source>
        <translation>nenhum plano escolhido</translation>
    </message>
    <message>
        <source>Nothing can be filled: %1.</source>
        <translation>Nada pode ser preenchido: %1.</translation>
    </message>
    <message>
        <source>Points %1 to %2 take %3 channels of %4; the other points keep what they hold.</source>
        <translation>Os pontos %1 a %2 recebem %3 canais de %4; os outros pontos ficam como estão.</translation>
    </message>
</context>
<context>
    <name>orvantis::TPointListDlg</name>
    <message>
        <source>ORVANTIS+ error</source>
        <translation>Erro do ORVANTIS+</translation>
    </message>
    <message>
        <source>CSV files|*.csv|All files|*</source>
        <translation>Arquivos CSV|*.csv|Todos os arquivos|*</translation>
    </message>
    <message>
        <source>Point</source>
        <translation>Ponto</translation>
    </message>
    <message>
        <source>Frequency (KHz)</source>
        <translation>Frequência (KHz)</translation>
    </message>
    <message>
        <source>Channel Name</source>
        <translation>Nome do canal</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Padrão</translation>
    </message>
    <message>
        <source>BW Filter</source>
        <translation>Filtro de largura de banda</translation>
    </message>
    <message>
        <source>FFT Mode</source>
        <translation>Modo FFT</translation>
    </message>
    <message>
        <source>Guard Interval</source>
        <translation>Intervalo de guarda</translation>
    </message>
    <message>
        <source>Spectral inversion</source>
        <translation>Inversão espectral</translation>
    </message>
    <message>
        <source>Detection points list</source>
        <translation>Lista de pontos de detecção</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Verificação</translation>
    </message>
    <message>
        <source>Import...</source>
        <translation>Importar...</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Exportar...</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Colar</translation>
    </message>
    <message>
        <source>Point %1, %2, %3</source>
        <translation>Ponto %1, %2, %3</translation>
    </message>
    <message>
        <source>%1 point %2 first.

%3.</source>
        <translation>%1 o ponto %2 primeiro.

%3.</translation>
    </message>
    <message>
        <source>Correct</source>
        <translation>Corrija</translation>
    </message>
    <message>
        <source>Import points</source>
        <translation>Importar pontos</translation>
    </message>
    <message>
        <source>Nothing was imported from %1</source>
        <translation>Nada foi importado de %1</translation>
    </message>
    <message>
        <source>To export, correct</source>
        <translation>Para exportar, corrija</translation>
    </message>
    <message>
        <source>Export points</source>
        <translation>Exportar pontos</translation>
    </message>
    <message>
        <source>Nothing was pasted</source>
        <translation>Nada foi colado</translation>
    </message>
    <message>
        <source>Detection points</source>
        <translation>Pontos de detecção</translation>
    </message>
    <message>
        <source>Double-click a cell to change it. Copy and Paste carry whole rows as CSV text, as spreadsheets copy them.</source>
        <translation>Clique duas vezes numa célula para alterá-la. Copiar e Colar levam linhas inteiras como texto CSV, como as planilhas as copiam.</translation>
    </message>
    <message>
        <source>Fill from Plan...</source>
        <translation>Preencher pelo plano...</translation>
    </message>
</context>
<context>
    <name>orvantis::TProject</name>
    <message>
        <source>Orvantis error</source>
        <translation>Erro do Orvantis</translation>
    </message>
    <message>
        <source>Orvantis Editor</source>
        <translation>Editor do Orvantis</translation>
    </message>
    <message>
        <source>The current file has been modified. Save changes?</source>
        <translation>O arquivo atual foi modificado. Salvar as alterações?</translation>
    </message>
    <message>
        <source>Open PRO file</source>
        <translation>Abrir arquivo PRO</translation>
    </message>
    <message>
        <source>PRO files|*.pro</source>
        <translation>Arquivos PRO|*.pro</translation>
    </message>
    <message>
        <source>The file %1 is not a text file.</source>
        <translation>O arquivo %1 não é um arquivo de texto.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Atenção</translation>
    </message>
    <message>
        <source>%1: line %2 not loaded: %3; the settings after it are at their defaults</source>
        <translation>%1: linha %2 não carregada: %3; as configurações depois dela estão nos valores padrão</translation>
    </message>
    <message>
        <source>.

Save it all the same? The file will hold those defaults in place of that line and the lines after it.</source>
        <translation>.

Salvar mesmo assim? O arquivo terá esses valores padrão no lugar dessa linha e das linhas seguintes.</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Salvar como...</translation>
    </message>
    <message>
        <source>PRO file|*.pro</source>
        <translation>Arquivo PRO|*.pro</translation>
    </message>
    <message>
        <source>Unable to save the file

</source>
        <translation>Não foi possível salvar o arquivo

</translation>
    </message>
</context>
<context>
    <name>orvantis::TQtPrompter</name>
    <message>
        <source>Restore</source>
        <translation>Restaurar</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Depois</translation>
    </message>
</context>
<context>
    <name>orvantis::TScratchPad</name>
    <message>
        <source>Tools Editor</source>
        <translation>Editor de texto</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Novo</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salvar</translation>
    </message>
    <message>
        <source>Save &amp;as...</source>
        <translation>Salvar &amp;como...</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>P&amp;rinter setup...</source>
        <translation>Configurar i&amp;mpressora...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sai&amp;r</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Desfazer</translation>
    </message>
    <message>
        <source>&amp;Select all</source>
        <translation>Selecionar t&amp;udo</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Recor&amp;tar</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>C&amp;olar</translation>
    </message>
    <message>
        <source>&amp;Search...</source>
        <translation>&amp;Localizar...</translation>
    </message>
    <message>
        <source>Exit editor</source>
        <translation>Sair do editor</translation>
    </message>
    <message>
        <source>New file</source>
        <translation>Novo arquivo</translation>
    </message>
    <message>
        <source>Open a file</source>
        <translation>Abrir um arquivo</translation>
    </message>
    <message>
        <source>Save to file</source>
        <translation>Salvar no arquivo</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Localizar</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>The current file has been modified. Save changes?</source>
        <translation>O arquivo atual foi modificado. Salvar as alterações?</translation>
    </message>
    <message>
        <source>PRO files|*.pro|LOG files|*.log|generic text files|*.txt|All|*.*</source>
        <translation>Arquivos PRO|*.pro|Arquivos LOG|*.log|Arquivos de texto|*.txt|Todos|*.*</translation>
    </message>
    <message>
        <source>Unable to edit: the file is too long</source>
        <translation>Não é possível editar: o arquivo é grande demais</translation>
    </message>
    <message>
        <source>Unable to edit: the file cannot be read.
%1</source>
        <translation>Não é possível editar: o arquivo não pode ser lido.
%1</translation>
    </message>
    <message>
        <source>Save as...</source>
        <translation>Salvar como...</translation>
    </message>
    <message>
        <source>Unable to print: the printer could not start the document.</source>
        <translation>Não é possível imprimir: a impressora não conseguiu iniciar o documento.</translation>
    </message>
    <message>
        <source>Error at finding text</source>
        <translation>Erro ao localizar o texto</translation>
    </message>
    <message>
        <source>Text not found</source>
        <translation>Texto não encontrado</translation>
    </message>
    <message>
        <source>Page %1</source>
        <translation>Página %1</translation>
    </message>
    <message>
        <source>Tools Editor: %1</source>
        <translation>Editor de texto: %1</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
</context>
<context>
    <name>orvantis::TSendAllDlg</name>
    <message>
        <source>Send to All Instruments</source>
        <translation>Enviar a todos os instrumentos</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Porta</translation>
    </message>
    <message>
        <source>Instrument</source>
        <translation>Instrumento</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progresso</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Sending %1 to the instruments on %2 ports at once...</source>
        <translation>Enviando %1 aos instrumentos em %2 portas de uma vez...</translation>
    </message>
    <message>
        <source>Backup: </source>
        <translation>Backup: </translation>
    </message>
    <message>
        <source>. The log holds every port&apos;s lines and the table.</source>
        <translation>. O registro tem as linhas de cada porta e a tabela.</translation>
    </message>
    <message>
        <source> The dialog closes when every port is done.</source>
        <translation> A janela se fecha quando todas as portas terminarem.</translation>
    </message>
    <message>
        <source>Ports</source>
        <translation>Portas</translation>
    </message>
</context>
<context>
    <name>orvantis::TSession</name>
    <message>
        <source>Orvantis error</source>
        <translation>Erro do Orvantis</translation>
    </message>
    <message>
        <source>Unable to receive data</source>
        <translation>Não foi possível receber os dados</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Atenção</translation>
    </message>
    <message>
        <source>Error loading equipment data. Using default.</source>
        <translation>Erro ao carregar os dados do equipamento. Usando os valores padrão.</translation>
    </message>
    <message>
        <source>.

Send it to the instrument all the same?</source>
        <translation>.

Enviar ao instrumento mesmo assim?</translation>
    </message>
    <message>
        <source>Unable to send data</source>
        <translation>Não foi possível enviar os dados</translation>
    </message>
    <message>
        <source>The instrument&apos;s settings could not be backed up: %1.

Send without a backup?</source>
        <translation>Não foi possível fazer o backup das configurações do instrumento: %1.

Enviar sem backup?</translation>
    </message>
    <message>
        <source>Unable to read the equipment</source>
        <translation>Não foi possível ler o equipamento</translation>
    </message>
</context>
</TS>
