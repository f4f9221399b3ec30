<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_PT" sourcelanguage="ko_KR">
<context>
    <name>Localizable_QB62</name>
    <message>
        <source>(UTC) Greenwich</source>
        <translation>(UTC) Greenwich</translation>
    </message>
    <message>
        <source>(UTC+01:00) Brussels, Copenhagen, Madrid, Paris</source>
        <translation>(UTC+01:00) Bruxelas, Copenhaga, Madrid, Paris</translation>
    </message>
    <message>
        <source>(UTC+08:00) Kuala Lumpur, Singapore</source>
        <translation>(UTC+08:00) Kuala Lumpur, Singapura</translation>
    </message>
    <message>
        <source>(UTC+09:30) Adelaide</source>
        <translation>(UTC+09:30) Adelaide</translation>
    </message>
    <message>
        <source>(UTC+10:00) Canberra, Melbourne, Sidney</source>
        <translation>(UTC+10:00) Camberra, Melbourne, Sydney</translation>
    </message>
    <message>
        <source>(UTC-04:00) Atlantic  Standard Time (Canada)</source>
        <translation>(UTC-04:00) Hora padrão do Atlântico (Canadá)</translation>
    </message>
    <message>
        <source>(UTC-05:00) Eastern Standard Time (U.S.A and Canada)</source>
        <translation>(UTC-05:00) Hora padrão do Leste (EUA e Canadá)</translation>
    </message>
    <message>
        <source>(UTC-06:00) Central Standard Time (U.S.A and Canada)</source>
        <translation>(UTC-06:00) Hora padrão Central (EUA e Canadá)</translation>
    </message>
    <message>
        <source>(UTC-07:00) Mountain Standard Time (U.S.A and Canada)</source>
        <translation>(UTC-07:00) Hora padrão da Montanha (EUA e Canadá)</translation>
    </message>
    <message>
        <source>(UTC-08:00) Pacific Standard Time (U.S.A and Canada)</source>
        <translation>(UTC-08:00) Hora padrão do Pacífico (EUA e Canadá)</translation>
    </message>
    <message>
        <source>(UTC-09:00) Alaska</source>
        <translation>(UTC-09:00) Alasca</translation>
    </message>
    <message>
        <source>(UTC-10:00) Hawaii</source>
        <translation>(UTC-10:00) Havai</translation>
    </message>
    <message>
        <source>(시동이 꺼지면 블랙박스를 종료합니다</source>
        <translation>(Desliga a câmara de bordo quando o motor é desligado)</translation>
    </message>
    <message>
        <source>(시동이 꺼지면 주차 녹화 모드로 전환합니다</source>
        <translation>(Muda para o modo de gravação em estacionamento quando o motor é desligado)</translation>
    </message>
    <message>
        <source>10분 후</source>
        <translation>Após 10 min</translation>
    </message>
    <message>
        <source>2분 후</source>
        <translation>Após 2 min</translation>
    </message>
    <message>
        <source>5분 후</source>
        <translation>Após 5 min</translation>
    </message>
    <message>
        <source>A Type(권장)</source>
        <translation>Tipo A (recomendado)</translation>
    </message>
    <message>
        <source>B Type</source>
        <translation>Tipo B</translation>
    </message>
    <message>
        <source>C Type</source>
        <translation>Tipo C</translation>
    </message>
    <message>
        <source>KM/H</source>
        <translation>km/h</translation>
    </message>
    <message>
        <source>MPH</source>
        <translation>mph</translation>
    </message>
    <message>
        <source>QD34 : 10분 후</source>
        <translation>Após 10 min</translation>
    </message>
    <message>
        <source>QD34 : 30초 후</source>
        <translation>Após 30 s</translation>
    </message>
    <message>
        <source>QF27 : Daylight Saving Time</source>
        <translation>Hora de verão</translation>
    </message>
    <message>
        <source>QF27 : Model</source>
        <translation>Modelo</translation>
    </message>
    <message>
        <source>QF27 : Version</source>
        <translation>Versão</translation>
    </message>
    <message>
        <source>QF27 : 날짜 / 시간</source>
        <translation>Data / Hora</translation>
    </message>
    <message>
        <source>QF27 : 녹화종료전압</source>
        <translation>Tensão de paragem da gravação</translation>
    </message>
    <message>
        <source>QF27 : 둔감</source>
        <translation>Baixa</translation>
    </message>
    <message>
        <source>QF27 : 메모리 파티션</source>
        <translation>Partição da memória</translation>
    </message>
    <message>
        <source>QF27 : 모션인식감도</source>
        <translation>Sensibilidade de deteção de movimento</translation>
    </message>
    <message>
        <source>QF27 : 민감</source>
        <translation>Alta</translation>
    </message>
    <message>
        <source>QF27 : 사용 안 함</source>
        <translation>Desativado</translation>
    </message>
    <message>
        <source>QF27 : 사용 함</source>
        <translation>Ativado</translation>
    </message>
    <message>
        <source>QF27 : 상시녹화</source>
        <translation>Contínuo</translation>
    </message>
    <message>
        <source>QF27 : 수동녹화</source>
        <translation>Manual</translation>
    </message>
    <message>
        <source>QF27 : 음성녹음</source>
        <translation>Gravação de áudio</translation>
    </message>
    <message>
        <source>QF27 : 음성안내</source>
        <translation>Orientação por voz</translation>
    </message>
    <message>
        <source>QF27 : 이벤트녹화</source>
        <translation>Eventos</translation>
    </message>
    <message>
        <source>QF27 : 자동주차모드</source>
        <translation>Modo de estacionamento automático</translation>
    </message>
    <message>
        <source>QF27 : 작게</source>
        <translation>Baixo</translation>
    </message>
    <message>
        <source>QF27 : 주차녹화</source>
        <translation>Estacionamento</translation>
    </message>
    <message>
        <source>QF27 : 충격감도</source>
        <translation>Sensibilidade ao impacto</translation>
    </message>
    <message>
        <source>QF27 : 크게</source>
        <translation>Alto</translation>
    </message>
    <message>
        <source>QF27 : 펌웨어 버전</source>
        <translation>Versão do firmware</translation>
    </message>
    <message>
        <source>QF27 : 표준 시간대</source>
        <translation>Fuso horário</translation>
    </message>
    <message>
        <source>e.g.)</source>
        <translation>ex.)</translation>
    </message>
    <message>
        <source>kph</source>
        <translation>km/h</translation>
    </message>
    <message>
        <source>mph</source>
        <translation>mph</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>Desconhecido</translation>
    </message>
    <message>
        <source>고정 15fps</source>
        <translation>15 fps fixo</translation>
    </message>
    <message>
        <source>고정 30fps</source>
        <translation>30 fps fixo</translation>
    </message>
    <message>
        <source>공통</source>
        <translation>Geral</translation>
    </message>
    <message>
        <source>낮음</source>
        <translation>Baixa</translation>
    </message>
    <message>
        <source>높음</source>
        <translation>Alta</translation>
    </message>
    <message>
        <source>동영상 변환 중</source>
        <translation>Convertendo vídeo</translation>
    </message>
    <message>
        <source>메모리 카드 포맷이 완료 되었습니다.</source>
        <translation>A formatação do cartão de memória foi concluída.</translation>
    </message>
    <message>
        <source>메모리 카드 포멧</source>
        <translation>Formatar o cartão de memória</translation>
    </message>
    <message>
        <source>메모리 카드를 포멧할 수 없습니다.</source>
        <translation>Não é possível formatar o cartão de memória.</translation>
    </message>
    <message>
        <source>메모리 카드를 포멧할 수 없습니다.&#xd;
&#xd;
ORBIVX에서 동영상을 재생 중이거나 GPS 데이터를 수집중인 경우&#xd;
ORBIVEX를 종료하고 다시 포맷하십시오.&#xd;
메모리카드를 사용하고 있는 디스크 유틸리티나 다른 프로그램을 종료하고&#xd;
메모리카드의 내용을 표시하고 있는 창이 없는지 확인한 다음 다시 포맷하십시오.</source>
        <translation>Não é possível formatar o cartão de memória.&#xd;
&#xd;
Se o Velmora estiver a reproduzir um vídeo ou a recolher dados de GPS,&#xd;
feche o Velmora e volte a formatar.&#xd;
Feche o utilitário de disco ou outros programas que estejam a utilizar o cartão de memória,&#xd;
confirme que nenhuma janela mostra o conteúdo do cartão de memória e volte a formatar.</translation>
    </message>
    <message>
        <source>메모리 카드를 포멧할 수 없습니다.&#xd;
&#xd;
포맷 프로그램을 실행할 수 없습니다.&#xd;
프로그램을 다시 설치하십시오.</source>
        <translation>Não é possível formatar o cartão de memória.&#xd;
&#xd;
Não é possível iniciar o programa de formatação.&#xd;
Volte a instalar o programa.</translation>
    </message>
    <message>
        <source>메모리카드 오류</source>
        <translation>Erro do cartão de memória</translation>
    </message>
    <message>
        <source>메모리카드를 확인하여 주시기 바랍니다.</source>
        <translation>Verifique o cartão de memória.</translation>
    </message>
    <message>
        <source>보통</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>부가기능</source>
        <translation>Funções adicionais</translation>
    </message>
    <message>
        <source>블랙박스 설정</source>
        <translation>Definições da câmara de bordo</translation>
    </message>
    <message>
        <source>사용 안함</source>
        <translation>Desativado</translation>
    </message>
    <message>
        <source>상시모드</source>
        <translation>Modo contínuo</translation>
    </message>
    <message>
        <source>설정값 초기화</source>
        <translation>Repor as definições</translation>
    </message>
    <message>
        <source>속도 단위</source>
        <translation>Unidade de velocidade</translation>
    </message>
    <message>
        <source>속도표시</source>
        <translation>Indicação da velocidade</translation>
    </message>
    <message>
        <source>시큐리티 LED</source>
        <translation>LED de segurança</translation>
    </message>
    <message>
        <source>아니오</source>
        <translation>Não</translation>
    </message>
    <message>
        <source>언어</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>열기</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>영어</source>
        <translation>Inglês</translation>
    </message>
    <message>
        <source>예</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>일본어</source>
        <translation>Japonês</translation>
    </message>
    <message>
        <source>저장</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>주의 : 포맷 시 메모리 카드의 모든 데이터가 삭제됩니다. &#xd;
포맷하려면 (예)를, 취소하려면 (아니오)를 선택 하십시오.</source>
        <translation>Atenção: a formatação apaga todos os dados do cartão de memória.&#xd;
Escolha (Sim) para formatar ou (Não) para cancelar.</translation>
    </message>
    <message>
        <source>주의 : 현재 설정된 화면 터치 정확도 값이 초기화 됩니다.&#xd;
초기화하려면 (예)를, 취소하려면 (아니오)를 선택 하십시오.</source>
        <translation>Atenção: a definição atual de precisão do ecrã tátil será reposta.&#xd;
Escolha (Sim) para repor ou (Não) para cancelar.</translation>
    </message>
    <message>
        <source>주차모드</source>
        <translation>Estacionamento</translation>
    </message>
    <message>
        <source>주차모드를 사용하지 않는 경우,
차량 시동이 꺼지면 주차 중 녹화가 되지 않습니다.
주차모드 사용을 해제 하시겠습니까?</source>
        <translation>Se o modo de estacionamento não for utilizado,
nada é gravado com o veículo estacionado e o motor desligado.
Pretende desativar o modo de estacionamento?</translation>
    </message>
    <message>
        <source>주차모션</source>
        <translation>Movimento em estacionamento</translation>
    </message>
    <message>
        <source>주차모션 선택 시,
타임랩스 영상이 삭제되고 주차모션 영상이 저장됩니다.
적용하시겠습니까?</source>
        <translation>Se selecionar Movimento em estacionamento,
os vídeos em time-lapse são eliminados e os vídeos de movimento em estacionamento são guardados.
Pretende aplicar esta opção?</translation>
    </message>
    <message>
        <source>지원하지 않는 형식으로 인코딩된 동영상입니다.</source>
        <translation>Este vídeo está codificado num formato não suportado.</translation>
    </message>
    <message>
        <source>초기화하기</source>
        <translation>Repor</translation>
    </message>
    <message>
        <source>취소</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>케스트릭스 블랙박스 정보를 읽을 수 없습니다.
모델명을 선택하면 기본 설정 값을 적용 할 수 있습니다.</source>
        <translation>Não é possível ler as informações da câmara de bordo Kestrix.
Selecione um nome de modelo para aplicar as respetivas predefinições.</translation>
    </message>
    <message>
        <source>타임랩스</source>
        <translation>Time-lapse</translation>
    </message>
    <message>
        <source>타임랩스 선택 시 
주차모션 영상이 삭제되고 주차모드 및 주차충격 영상이 타임랩스로 저장됩니다.
적용하시겠습니까?</source>
        <translation>Se selecionar Time-lapse,
os vídeos de movimento em estacionamento são eliminados e os vídeos do modo de estacionamento e de impacto em estacionamento são guardados em time-lapse.
Pretende aplicar esta opção?</translation>
    </message>
    <message>
        <source>파일_모션</source>
        <translation>Movimento</translation>
    </message>
    <message>
        <source>파일_상시</source>
        <translation>Contínuo</translation>
    </message>
    <message>
        <source>파일_수동</source>
        <translation>Manual</translation>
    </message>
    <message>
        <source>파일_이벤트</source>
        <translation>Evento</translation>
    </message>
    <message>
        <source>파일_전체</source>
        <translation>Todos</translation>
    </message>
    <message>
        <source>포르투갈어</source>
        <translation>Português</translation>
    </message>
    <message>
        <source>포맷 중 입니다.&#xd;
잠시만 기다려 주십시오.</source>
        <translation>A formatar.&#xd;
Aguarde um momento.</translation>
    </message>
    <message>
        <source>프랑스어</source>
        <translation>Francês</translation>
    </message>
    <message>
        <source>플래시 메모리를 선택해주세요.</source>
        <translation>Selecione a memória flash.</translation>
    </message>
    <message>
        <source>현재 시간 가져오기</source>
        <translation>Usar a hora atual</translation>
    </message>
    <message>
        <source>화면 터치 정확도 초기화가 완료되었습니다.</source>
        <translation>A precisão do ecrã tátil foi reposta.</translation>
    </message>
    <message>
        <source>화면 터치 정확도를 초기화할 수 없습니다.&#xd;
메모리카드를 확인하여 주시기 바랍니다.</source>
        <translation>Não é possível repor a precisão do ecrã tátil.&#xd;
Verifique o cartão de memória.</translation>
    </message>
    <message>
        <source>확인</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>파일을 저장하지 못했습니다.</source>
        <translation>Não foi possível salvar o arquivo.</translation>
    </message>
    <message>
        <source>인쇄하지 못했습니다.</source>
        <translation>Não foi possível imprimir a imagem.</translation>
    </message>
    <message>
        <source>사용</source>
        <translation>Ligado</translation>
    </message>
    <message>
        <source>승용차</source>
        <translation>Carro</translation>
    </message>
    <message>
        <source>트럭/버스</source>
        <translation>Caminhão/Ônibus</translation>
    </message>
    <message>
        <source>시큐리티 LED 모드 1</source>
        <translation>Modo LED de segurança 1</translation>
    </message>
    <message>
        <source>시큐리티 LED 모드 2</source>
        <translation>Modo LED de segurança 2</translation>
    </message>
    <message>
        <source>시큐리티 LED 모드 3</source>
        <translation>Modo LED de segurança 3</translation>
    </message>
    <message>
        <source>전방 카메라 밝기</source>
        <translation>Brilho da câmera frontal</translation>
    </message>
    <message>
        <source>후방 카메라 밝기</source>
        <translation>Brilho da câmera traseira</translation>
    </message>
    <message>
        <source>음성 녹음</source>
        <translation>Gravação de som</translation>
    </message>
    <message>
        <source>음성 안내</source>
        <translation>Orientação por voz</translation>
    </message>
    <message>
        <source>시간 설정</source>
        <translation>Ajuste do relógio</translation>
    </message>
    <message>
        <source>표준 시간대</source>
        <translation>Fuso horário</translation>
    </message>
    <message>
        <source>일광 절약 시간</source>
        <translation>Horário de verão</translation>
    </message>
    <message>
        <source>날짜 표시 형식</source>
        <translation>Formato da data</translation>
    </message>
    <message>
        <source>운전 가이드</source>
        <translation>Guia de condução</translation>
    </message>
    <message>
        <source>화면 밝기</source>
        <translation>Brilho da tela</translation>
    </message>
    <message>
        <source>화면 꺼짐 시간</source>
        <translation>Desligamento da tela</translation>
    </message>
    <message>
        <source>해상도</source>
        <translation>Resolução</translation>
    </message>
    <message>
        <source>프레임 레이트</source>
        <translation>Taxa de quadros</translation>
    </message>
    <message>
        <source>영상 화질</source>
        <translation>Qualidade do vídeo</translation>
    </message>
    <message>
        <source>충격 감도</source>
        <translation>Sensibilidade a impactos</translation>
    </message>
    <message>
        <source>차량 종류</source>
        <translation>Tipo de veículo</translation>
    </message>
    <message>
        <source>차선 이탈 경보</source>
        <translation>Alerta de saída de faixa</translation>
    </message>
    <message>
        <source>앞차 추돌 경보</source>
        <translation>Alerta de colisão frontal</translation>
    </message>
    <message>
        <source>앞차 출발 알림</source>
        <translation>Aviso de partida do veículo à frente</translation>
    </message>
    <message>
        <source>슈퍼 나이트 비전</source>
        <translation>Supervisão noturna</translation>
    </message>
    <message>
        <source>모션 감지</source>
        <translation>Detecção de movimento</translation>
    </message>
    <message>
        <source>주차 녹화 시간</source>
        <translation>Tempo de gravação estacionado</translation>
    </message>
    <message>
        <source>배터리 방전 방지</source>
        <translation>Proteção contra descarga da bateria</translation>
    </message>
    <message>
        <source>덮어쓰기</source>
        <translation>Sobrescrever</translation>
    </message>
    <message>
        <source>메모리 파티션</source>
        <translation>Partição da memória</translation>
    </message>
    <message>
        <source>화면 터치 정확도 초기화</source>
        <translation>Redefinir a calibração do toque</translation>
    </message>
    <message>
        <source>전방</source>
        <translation>Frontal</translation>
    </message>
    <message>
        <source>후방</source>
        <translation>Traseira</translation>
    </message>
    <message>
        <source>상시 녹화</source>
        <translation>Contínuo</translation>
    </message>
    <message>
        <source>상시 충격 녹화</source>
        <translation>Impacto a conduzir</translation>
    </message>
    <message>
        <source>주차 모션 녹화</source>
        <translation>Movimento parado</translation>
    </message>
    <message>
        <source>주차 충격 녹화</source>
        <translation>Impacto parado</translation>
    </message>
    <message>
        <source>수동 녹화</source>
        <translation>Manual</translation>
    </message>
    <message>
        <source>포맷하기</source>
        <translation>Formatar</translation>
    </message>
    <message>
        <source>이 블랙박스의 설정 화면은 아직 지원되지 않습니다.</source>
        <translation>As configurações desta câmera ainda não estão disponíveis.</translation>
    </message>
    <message>
        <source>사고 보고서</source>
        <translation>Relatório de incidente</translation>
    </message>
    <message>
        <source>녹화 파일</source>
        <translation>Gravação</translation>
    </message>
    <message>
        <source>녹화 일시</source>
        <translation>Gravado em</translation>
    </message>
    <message>
        <source>알 수 없음</source>
        <translation>Desconhecido</translation>
    </message>
    <message>
        <source>구간</source>
        <translation>Intervalo</translation>
    </message>
    <message>
        <source>최대 충격</source>
        <translation>Aceleração máxima</translation>
    </message>
    <message>
        <source>최고 속도</source>
        <translation>Velocidade máxima</translation>
    </message>
    <message>
        <source>시작 위치</source>
        <translation>Posição inicial</translation>
    </message>
    <message>
        <source>끝 위치</source>
        <translation>Posição final</translation>
    </message>
    <message>
        <source>이 구간에는 GPS 정보가 없습니다.</source>
        <translation>Nenhuma posição GPS neste intervalo: sem trajeto, sem velocidade.</translation>
    </message>
    <message>
        <source>이 구간에는 센서 정보가 없습니다.</source>
        <translation>Nenhum dado de sensor neste intervalo: apenas o horário é indicado.</translation>
    </message>
    <message>
        <source>사진 없음</source>
        <translation>Sem imagem</translation>
    </message>
    <message>
        <source>가속도와 속도</source>
        <translation>Aceleração e velocidade</translation>
    </message>
    <message>
        <source>경로</source>
        <translation>Trajeto</translation>
    </message>
    <message>
        <source>북</source>
        <translation>N</translation>
    </message>
    <message>
        <source>사고 보고서 만들기…</source>
        <translation>Relatório de incidente…</translation>
    </message>
    <message>
        <source>사고 순간 (초)</source>
        <translation>Momento (s)</translation>
    </message>
    <message>
        <source>이전 (초)</source>
        <translation>Antes (s)</translation>
    </message>
    <message>
        <source>이후 (초)</source>
        <translation>Depois (s)</translation>
    </message>
    <message>
        <source>저장 위치</source>
        <translation>Salvar em</translation>
    </message>
    <message>
        <source>찾아보기…</source>
        <translation>Procurar…</translation>
    </message>
    <message>
        <source>만들기</source>
        <translation>Criar</translation>
    </message>
    <message>
        <source>사고 보고서를 만드는 중입니다…</source>
        <translation>Criando o relatório de incidente…</translation>
    </message>
    <message>
        <source>사고 보고서를 만들지 못했습니다.</source>
        <translation>Não foi possível criar o relatório de incidente.</translation>
    </message>
    <message>
        <source>한 프레임 뒤로</source>
        <translation>Um quadro para trás</translation>
    </message>
    <message>
        <source>한 프레임 앞으로</source>
        <translation>Um quadro para a frente</translation>
    </message>
    <message>
        <source>음량 줄이기</source>
        <translation>Diminuir o volume</translation>
    </message>
    <message>
        <source>음량 키우기</source>
        <translation>Aumentar o volume</translation>
    </message>
    <message>
        <source>재생 / 일시 정지</source>
        <translation>Reproduzir / pausar</translation>
    </message>
    <message>
        <source>전체 화면 끝내기</source>
        <translation>Sair da tela cheia</translation>
    </message>
    <message>
        <source>전체 화면 켜기/끄기</source>
        <translation>Tela cheia ligada/desligada</translation>
    </message>
    <message>
        <source>종료</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>최소화</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>이전 영상</source>
        <translation>Gravação anterior</translation>
    </message>
    <message>
        <source>다음 영상</source>
        <translation>Próxima gravação</translation>
    </message>
    <message>
        <source>확대</source>
        <translation>Ampliar</translation>
    </message>
    <message>
        <source>축소</source>
        <translation>Reduzir</translation>
    </message>
    <message>
        <source>원래 크기 1:1</source>
        <translation>Tamanho real 1:1</translation>
    </message>
    <message>
        <source>스냅샷 저장</source>
        <translation>Salvar instantâneo</translation>
    </message>
    <message>
        <source>소리 끄기/켜기</source>
        <translation>Silenciar / ativar som</translation>
    </message>
    <message>
        <source>인쇄</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>정지</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>확대한 화면 이동</source>
        <translation>Mover a imagem ampliada</translation>
    </message>
    <message>
        <source>상하 반전</source>
        <translation>Inverter verticalmente</translation>
    </message>
    <message>
        <source>전방/후방 화면 바꾸기</source>
        <translation>Trocar câmeras dianteira e traseira</translation>
    </message>
    <message>
        <source>재생 위치</source>
        <translation>Posição de reprodução</translation>
    </message>
    <message>
        <source>음량</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>폴더 선택</source>
        <translation>Escolher pasta</translation>
    </message>
    <message>
        <source>영상 사본 저장</source>
        <translation>Salvar uma cópia da gravação</translation>
    </message>
    <message>
        <source>영상 삭제</source>
        <translation>Excluir gravação</translation>
    </message>
    <message>
        <source>클라우드에 올리기</source>
        <translation>Enviar para a nuvem</translation>
    </message>
    <message>
        <source>클라우드에서 내려받기</source>
        <translation>Baixar da nuvem</translation>
    </message>
    <message>
        <source>홈페이지</source>
        <translation>Site</translation>
    </message>
    <message>
        <source>이 컴퓨터에서는 사용할 수 없습니다</source>
        <translation>indisponível neste computador</translation>
    </message>
    <message>
        <source>단축키</source>
        <translation>Atalhos de teclado</translation>
    </message>
    <message>
        <source>키</source>
        <translation>Tecla</translation>
    </message>
    <message>
        <source>동작</source>
        <translation>Ação</translation>
    </message>
    <message>
        <source>닫기</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Velmora 정보</source>
        <translation>Sobre o Velmora</translation>
    </message>
    <message>
        <source>버전</source>
        <translation>Versão</translation>
    </message>
    <message>
        <source>모든 권리 보유.</source>
        <translation>Todos os direitos reservados.</translation>
    </message>
    <message>
        <source>사용한 라이브러리와 라이선스</source>
        <translation>Bibliotecas usadas e suas licenças</translation>
    </message>
    <message>
        <source>지도 데이터</source>
        <translation>Dados do mapa</translation>
    </message>
    <message>
        <source>ffmpeg 프로그램은 별도의 프로그램으로 실행됩니다.</source>
        <translation>O ffmpeg é executado como um programa separado.</translation>
    </message>
    <message>
        <source>뒤로</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>손상된 녹화 파일</source>
        <translation>Gravação danificada</translation>
    </message>
    <message>
        <source>녹화 파일의 이 지점부터는 손상되어 재생할 수 없습니다.</source>
        <translation>A gravação está danificada a partir deste ponto e não pode ser reproduzida.</translation>
    </message>
    <message>
        <source>녹화 파일이 손상되어 재생할 수 없습니다.</source>
        <translation>A gravação está danificada e não pode ser reproduzida.</translation>
    </message>
    <message>
        <source>녹화가 도중에 끊긴 파일입니다. 남아 있는 부분만 재생합니다.</source>
        <translation>A gravação foi interrompida. Só a parte gravada é reproduzida.</translation>
    </message>
    <message>
        <source>앞 카메라 파일을 읽을 수 없습니다.</source>
        <translation>O arquivo da câmera dianteira não pode ser lido.</translation>
    </message>
    <message>
        <source>변환하는 동안 녹화 파일이 바뀌었습니다.</source>
        <translation>A gravação mudou enquanto era convertida.</translation>
    </message>
    <message>
        <source>작업 폴더에 남은 공간이 없습니다.</source>
        <translation>A pasta de trabalho está cheia: não há espaço para a cópia convertida.</translation>
    </message>
    <message>
        <source>작업 폴더에 쓸 수 없습니다.</source>
        <translation>Não é possível gravar na pasta de trabalho: ela é somente leitura, não é uma pasta ou não é sua.</translation>
    </message>
    <message>
        <source>녹화 파일이 더 이상 메모리카드에 없습니다.</source>
        <translation>A gravação não está mais no cartão.</translation>
    </message>
    <message>
        <source>메모리카드 폴더가 제거되었거나 연결이 해제되었습니다.</source>
        <translation>A pasta do cartão foi removida ou desmontada.</translation>
    </message>
    <message>
        <source>녹화 파일을 읽을 권한이 없습니다.</source>
        <translation>Você não tem permissão para ler esta gravação.</translation>
    </message>
    <message>
        <source>설정 화면이 메모리를 너무 많이 사용하여 중지되었습니다.</source>
        <translation>A página de configurações usou memória demais e foi interrompida.</translation>
    </message>
    <message>
        <source>트립 보기…</source>
        <translation>Viagens…</translation>
    </message>
    <message>
        <source>트립</source>
        <translation>Viagens</translation>
    </message>
    <message>
        <source>날짜</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>출발</source>
        <translation>Partida</translation>
    </message>
    <message>
        <source>도착</source>
        <translation>Chegada</translation>
    </message>
    <message>
        <source>주행 시간</source>
        <translation>Duração</translation>
    </message>
    <message>
        <source>거리</source>
        <translation>Distância</translation>
    </message>
    <message>
        <source>급격한 충격</source>
        <translation>Impactos</translation>
    </message>
    <message>
        <source>다시 읽기</source>
        <translation>Ler de novo</translation>
    </message>
    <message>
        <source>목록에 표시된 폴더가 없습니다.</source>
        <translation>Nenhum cartão ou pasta está na lista.</translation>
    </message>
    <message>
        <source>트립을 읽는 중… (%1/%2)</source>
        <translation>Lendo as viagens… (%1/%2)</translation>
    </message>
    <message>
        <source>트립을 읽는 중…</source>
        <translation>Lendo as viagens…</translation>
    </message>
    <message>
        <source>트립 읽기를 취소했습니다.</source>
        <translation>A leitura das viagens foi cancelada.</translation>
    </message>
    <message>
        <source>이 폴더에는 트립이 없습니다.</source>
        <translation>Nenhuma viagem nesta pasta.</translation>
    </message>
    <message>
        <source>트립 %1개</source>
        <translation>Viagens: %1</translation>
    </message>
    <message>
        <source>이 지점부터 메모리카드를 읽을 수 없습니다. 녹화 파일이 손상된 것은 아닐 수 있습니다.</source>
        <translation>Não foi possível ler o cartão de memória a partir deste ponto. A gravação em si pode não estar danificada.</translation>
    </message>
    <message>
        <source>메모리카드를 읽을 수 없습니다. 녹화 파일이 손상된 것은 아닐 수 있습니다.</source>
        <translation>Não foi possível ler o cartão de memória. A gravação em si pode não estar danificada.</translation>
    </message>
    <message>
        <source>녹화 파일이 비어 있습니다. 카메라가 파일 자리만 잡아 두고 녹화하지 않았습니다.</source>
        <translation>A gravação está vazia: a câmera reservou o arquivo, mas não gravou nada nele.</translation>
    </message>
    <message>
        <source>빈 녹화 파일</source>
        <translation>Gravação vazia</translation>
    </message>
    <message>
        <source>작업 폴더 오류</source>
        <translation>Erro da pasta de trabalho</translation>
    </message>
    <message>
        <source>녹화 파일의 %1부터 %2까지는 손상되어 재생할 수 없어 건너뛰었습니다.</source>
        <translation>A gravação está danificada de %1 a %2: essa parte não pode ser reproduzida e foi pulada.</translation>
    </message>
    <message>
        <source>메모리카드를 기다리는 중…</source>
        <translation>Aguardando o cartão de memória…</translation>
    </message>
    <message>
        <source>%1 파일을 읽을 수 없습니다: %2</source>
        <translation>Não é possível ler %1: %2</translation>
    </message>
    <message>
        <source>%1 파일에 쓸 수 없습니다: %2</source>
        <translation>Não é possível escrever %1: %2</translation>
    </message>
    <message>
        <source>%1 저장 중…</source>
        <translation>A guardar %1…</translation>
    </message>
    <message>
        <source>남은 시간: %1</source>
        <translation>Tempo restante: %1</translation>
    </message>
    <message>
        <source>남은 시간 계산 중…</source>
        <translation>A calcular o tempo restante…</translation>
    </message>
    <message>
        <source>%1 종료</source>
        <translation>Sair do %1</translation>
    </message>
    <message>
        <source>이 경로에 마운트된 볼륨이 없습니다.</source>
        <translation>Nenhum volume está montado neste caminho.</translation>
    </message>
    <message>
        <source>볼륨이 이 컴퓨터의 디스크에 있지 않습니다.</source>
        <translation>O volume não está em um disco deste computador.</translation>
    </message>
    <message>
        <source>볼륨이 이동식 매체에 있지 않습니다.</source>
        <translation>O volume não está em uma mídia removível.</translation>
    </message>
    <message>
        <source>이름 없는 볼륨은 카메라 카드로 보지 않습니다.</source>
        <translation>Um volume sem nome não é considerado cartão de câmera.</translation>
    </message>
    <message>
        <source>© 2026 Velmora 개발자.</source>
        <translation>© 2026 Os desenvolvedores do Velmora.</translation>
    </message>
    <message>
        <source>카드가 빠져서 트립을 끝까지 읽지 못했습니다.</source>
        <translation>O cartão foi removido: não foi possível ler as viagens até o fim.</translation>
    </message>
    <message>
        <source>녹화 %1개는 파일 이름에서 쓸 수 있는 시간을 얻지 못해 빠졌습니다.</source>
        <translation>%1 gravações deixadas de fora: o nome do arquivo não dá uma hora utilizável.</translation>
    </message>
    <message>
        <source>이 모델의 설정은 이 프로그램에서 저장할 수 없습니다.
메모리카드에는 아무것도 기록되지 않았습니다.</source>
        <translation>As definições deste modelo não podem ser guardadas por este programa.
Nada foi escrito no cartão de memória.</translation>
    </message>
    <message>
        <source>메모리카드가 쓰기 금지되어 있습니다.
메모리카드의 잠금 스위치를 확인하여 주시기 바랍니다.</source>
        <translation>O cartão de memória está protegido contra escrita.
Verifique o bloqueio do cartão de memória.</translation>
    </message>
    <message>
        <source>사고 보고서를 만들었습니다.</source>
        <translation>O relatório de incidente foi criado.</translation>
    </message>
    <message>
        <source>보고서 위치: %1</source>
        <translation>O relatório está em: %1</translation>
    </message>
    <message>
        <source>스냅샷에 앞뒤 카메라를 나란히</source>
        <translation>Instantâneos com câmeras dianteira e traseira lado a lado</translation>
    </message>
    <message>
        <source>스냅샷에 날짜, 시각, 속도 표시</source>
        <translation>Carimbar data, hora e velocidade nos instantâneos</translation>
    </message>
    <message>
        <source>카메라의 메모리카드를 넣거나 폴더를 선택하십시오</source>
        <translation>Insira o cartão da câmera ou escolha uma pasta</translation>
    </message>
    <message>
        <source>가속도 X축 (g, 1 g = 9.8 m/s²)</source>
        <translation>Aceleração, eixo X (g, 1 g = 9,8 m/s²)</translation>
    </message>
    <message>
        <source>가속도 Y축 (g, 1 g = 9.8 m/s²)</source>
        <translation>Aceleração, eixo Y (g, 1 g = 9,8 m/s²)</translation>
    </message>
    <message>
        <source>가속도 Z축 (g, 1 g = 9.8 m/s²)</source>
        <translation>Aceleração, eixo Z (g, 1 g = 9,8 m/s²)</translation>
    </message>
    <message>
        <source>위도 (도, 북쪽이 양수)</source>
        <translation>Latitude (graus, positiva ao norte)</translation>
    </message>
    <message>
        <source>경도 (도, 동쪽이 양수)</source>
        <translation>Longitude (graus, positiva a leste)</translation>
    </message>
    <message>
        <source>빠르게 재생</source>
        <translation>Reproduzir mais rápido</translation>
    </message>
    <message>
        <source>느리게 재생</source>
        <translation>Reproduzir mais devagar</translation>
    </message>
    <message>
        <source>보통 속도로 재생</source>
        <translation>Reproduzir à velocidade normal</translation>
    </message>
    <message>
        <source>5초 뒤로</source>
        <translation>Recuar 5 segundos</translation>
    </message>
    <message>
        <source>5초 앞으로</source>
        <translation>Avançar 5 segundos</translation>
    </message>
    <message>
        <source>30초 뒤로</source>
        <translation>Recuar 30 segundos</translation>
    </message>
    <message>
        <source>30초 앞으로</source>
        <translation>Avançar 30 segundos</translation>
    </message>
    <message>
        <source>재생 속도</source>
        <translation>Velocidade de reprodução</translation>
    </message>
</context>
</TS>
