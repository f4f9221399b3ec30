<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="ko_KR">
<context>
    <name>Localizable_QB62</name>
    <message>
        <source>(UTC) Greenwich</source>
        <translation>(UTC) グリニッジ</translation>
    </message>
    <message>
        <source>(UTC+01:00) Brussels, Copenhagen, Madrid, Paris</source>
        <translation>(UTC+01:00) ブリュッセル、コペンハーゲン、マドリード、パリ</translation>
    </message>
    <message>
        <source>(UTC+08:00) Kuala Lumpur, Singapore</source>
        <translation>(UTC+08:00) クアラルンプール、シンガポール</translation>
    </message>
    <message>
        <source>(UTC+09:30) Adelaide</source>
        <translation>(UTC+09:30) アデレード</translation>
    </message>
    <message>
        <source>(UTC+10:00) Canberra, Melbourne, Sidney</source>
        <translation>(UTC+10:00) キャンベラ、メルボルン、シドニー</translation>
    </message>
    <message>
        <source>(UTC-04:00) Atlantic  Standard Time (Canada)</source>
        <translation>(UTC-04:00) 大西洋標準時 (カナダ)</translation>
    </message>
    <message>
        <source>(UTC-05:00) Eastern Standard Time (U.S.A and Canada)</source>
        <translation>(UTC-05:00) 東部標準時 (米国およびカナダ)</translation>
    </message>
    <message>
        <source>(UTC-06:00) Central Standard Time (U.S.A and Canada)</source>
        <translation>(UTC-06:00) 中部標準時 (米国およびカナダ)</translation>
    </message>
    <message>
        <source>(UTC-07:00) Mountain Standard Time (U.S.A and Canada)</source>
        <translation>(UTC-07:00) 山地標準時 (米国およびカナダ)</translation>
    </message>
    <message>
        <source>(UTC-08:00) Pacific Standard Time (U.S.A and Canada)</source>
        <translation>(UTC-08:00) 太平洋標準時 (米国およびカナダ)</translation>
    </message>
    <message>
        <source>(UTC-09:00) Alaska</source>
        <translation>(UTC-09:00) アラスカ</translation>
    </message>
    <message>
        <source>(UTC-10:00) Hawaii</source>
        <translation>(UTC-10:00) ハワイ</translation>
    </message>
    <message>
        <source>(시동이 꺼지면 블랙박스를 종료합니다</source>
        <translation>(エンジンを切るとドライブレコーダーを終了します)</translation>
    </message>
    <message>
        <source>(시동이 꺼지면 주차 녹화 모드로 전환합니다</source>
        <translation>(エンジンを切ると駐車録画モードに切り替わります)</translation>
    </message>
    <message>
        <source>10분 후</source>
        <translation>10分後</translation>
    </message>
    <message>
        <source>2분 후</source>
        <translation>2分後</translation>
    </message>
    <message>
        <source>5분 후</source>
        <translation>5分後</translation>
    </message>
    <message>
        <source>A Type(권장)</source>
        <translation>Aタイプ(推奨)</translation>
    </message>
    <message>
        <source>B Type</source>
        <translation>Bタイプ</translation>
    </message>
    <message>
        <source>C Type</source>
        <translation>Cタイプ</translation>
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
        <translation>10分後</translation>
    </message>
    <message>
        <source>QD34 : 30초 후</source>
        <translation>30秒後</translation>
    </message>
    <message>
        <source>QF27 : Daylight Saving Time</source>
        <translation>夏時間</translation>
    </message>
    <message>
        <source>QF27 : Model</source>
        <translation>モデル</translation>
    </message>
    <message>
        <source>QF27 : Version</source>
        <translation>バージョン</translation>
    </message>
    <message>
        <source>QF27 : 날짜 / 시간</source>
        <translation>日付 / 時刻</translation>
    </message>
    <message>
        <source>QF27 : 녹화종료전압</source>
        <translation>録画停止電圧</translation>
    </message>
    <message>
        <source>QF27 : 둔감</source>
        <translation>鈍感</translation>
    </message>
    <message>
        <source>QF27 : 메모리 파티션</source>
        <translation>メモリーパーティション</translation>
    </message>
    <message>
        <source>QF27 : 모션인식감도</source>
        <translation>モーション検知感度</translation>
    </message>
    <message>
        <source>QF27 : 민감</source>
        <translation>敏感</translation>
    </message>
    <message>
        <source>QF27 : 사용 안 함</source>
        <translation>使用しない</translation>
    </message>
    <message>
        <source>QF27 : 사용 함</source>
        <translation>使用する</translation>
    </message>
    <message>
        <source>QF27 : 상시녹화</source>
        <translation>常時録画</translation>
    </message>
    <message>
        <source>QF27 : 수동녹화</source>
        <translation>手動録画</translation>
    </message>
    <message>
        <source>QF27 : 음성녹음</source>
        <translation>音声録音</translation>
    </message>
    <message>
        <source>QF27 : 음성안내</source>
        <translation>音声案内</translation>
    </message>
    <message>
        <source>QF27 : 이벤트녹화</source>
        <translation>イベント録画</translation>
    </message>
    <message>
        <source>QF27 : 자동주차모드</source>
        <translation>自動駐車モード</translation>
    </message>
    <message>
        <source>QF27 : 작게</source>
        <translation>小</translation>
    </message>
    <message>
        <source>QF27 : 주차녹화</source>
        <translation>駐車録画</translation>
    </message>
    <message>
        <source>QF27 : 충격감도</source>
        <translation>衝撃感度</translation>
    </message>
    <message>
        <source>QF27 : 크게</source>
        <translation>大</translation>
    </message>
    <message>
        <source>QF27 : 펌웨어 버전</source>
        <translation>ファームウェアバージョン</translation>
    </message>
    <message>
        <source>QF27 : 표준 시간대</source>
        <translation>タイムゾーン</translation>
    </message>
    <message>
        <source>e.g.)</source>
        <translation>例)</translation>
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
        <translation>不明</translation>
    </message>
    <message>
        <source>고정 15fps</source>
        <translation>15fps固定</translation>
    </message>
    <message>
        <source>고정 30fps</source>
        <translation>30fps固定</translation>
    </message>
    <message>
        <source>공통</source>
        <translation>共通</translation>
    </message>
    <message>
        <source>낮음</source>
        <translation>低</translation>
    </message>
    <message>
        <source>높음</source>
        <translation>高</translation>
    </message>
    <message>
        <source>동영상 변환 중</source>
        <translation>動画を変換中</translation>
    </message>
    <message>
        <source>메모리 카드 포맷이 완료 되었습니다.</source>
        <translation>メモリーカードのフォーマットが完了しました。</translation>
    </message>
    <message>
        <source>메모리 카드 포멧</source>
        <translation>メモリーカードのフォーマット</translation>
    </message>
    <message>
        <source>메모리 카드를 포멧할 수 없습니다.</source>
        <translation>メモリーカードをフォーマットできません。</translation>
    </message>
    <message>
        <source>메모리 카드를 포멧할 수 없습니다.&#xd;
&#xd;
ORBIVX에서 동영상을 재생 중이거나 GPS 데이터를 수집중인 경우&#xd;
ORBIVEX를 종료하고 다시 포맷하십시오.&#xd;
메모리카드를 사용하고 있는 디스크 유틸리티나 다른 프로그램을 종료하고&#xd;
메모리카드의 내용을 표시하고 있는 창이 없는지 확인한 다음 다시 포맷하십시오.</source>
        <translation>メモリーカードをフォーマットできません。&#xd;
&#xd;
Velmoraで動画を再生中、またはGPSデータを収集中の場合は&#xd;
Velmoraを終了してから再度フォーマットしてください。&#xd;
メモリーカードを使用しているディスクユーティリティや他のプログラムを終了し、&#xd;
メモリーカードの内容を表示しているウィンドウがないことを確認してから再度フォーマットしてください。</translation>
    </message>
    <message>
        <source>메모리 카드를 포멧할 수 없습니다.&#xd;
&#xd;
포맷 프로그램을 실행할 수 없습니다.&#xd;
프로그램을 다시 설치하십시오.</source>
        <translation>メモリーカードをフォーマットできません。&#xd;
&#xd;
フォーマットプログラムを起動できません。&#xd;
プログラムを再インストールしてください。</translation>
    </message>
    <message>
        <source>메모리카드 오류</source>
        <translation>メモリーカードエラー</translation>
    </message>
    <message>
        <source>메모리카드를 확인하여 주시기 바랍니다.</source>
        <translation>メモリーカードを確認してください。</translation>
    </message>
    <message>
        <source>보통</source>
        <translation>標準</translation>
    </message>
    <message>
        <source>부가기능</source>
        <translation>付加機能</translation>
    </message>
    <message>
        <source>블랙박스 설정</source>
        <translation>ドライブレコーダー設定</translation>
    </message>
    <message>
        <source>사용 안함</source>
        <translation>使用しない</translation>
    </message>
    <message>
        <source>상시모드</source>
        <translation>常時モード</translation>
    </message>
    <message>
        <source>설정값 초기화</source>
        <translation>設定値の初期化</translation>
    </message>
    <message>
        <source>속도 단위</source>
        <translation>速度単位</translation>
    </message>
    <message>
        <source>속도표시</source>
        <translation>速度表示</translation>
    </message>
    <message>
        <source>시큐리티 LED</source>
        <translation>セキュリティLED</translation>
    </message>
    <message>
        <source>아니오</source>
        <translation>いいえ</translation>
    </message>
    <message>
        <source>언어</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>열기</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>영어</source>
        <translation>英語</translation>
    </message>
    <message>
        <source>예</source>
        <translation>はい</translation>
    </message>
    <message>
        <source>일본어</source>
        <translation>日本語</translation>
    </message>
    <message>
        <source>저장</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>주의 : 포맷 시 메모리 카드의 모든 데이터가 삭제됩니다. &#xd;
포맷하려면 (예)를, 취소하려면 (아니오)를 선택 하십시오.</source>
        <translation>注意：フォーマットするとメモリーカードのすべてのデータが削除されます。&#xd;
フォーマットする場合は（はい）を、キャンセルする場合は（いいえ）を選択してください。</translation>
    </message>
    <message>
        <source>주의 : 현재 설정된 화면 터치 정확도 값이 초기화 됩니다.&#xd;
초기화하려면 (예)를, 취소하려면 (아니오)를 선택 하십시오.</source>
        <translation>注意：現在設定されているタッチ画面の精度値が初期化されます。&#xd;
初期化する場合は（はい）を、キャンセルする場合は（いいえ）を選択してください。</translation>
    </message>
    <message>
        <source>주차모드</source>
        <translation>駐車モード</translation>
    </message>
    <message>
        <source>주차모드를 사용하지 않는 경우,
차량 시동이 꺼지면 주차 중 녹화가 되지 않습니다.
주차모드 사용을 해제 하시겠습니까?</source>
        <translation>駐車モードを使用しない場合、
エンジンを切ると駐車中の録画は行われません。
駐車モードを解除しますか？</translation>
    </message>
    <message>
        <source>주차모션</source>
        <translation>駐車モーション</translation>
    </message>
    <message>
        <source>주차모션 선택 시,
타임랩스 영상이 삭제되고 주차모션 영상이 저장됩니다.
적용하시겠습니까?</source>
        <translation>駐車モーションを選択すると、
タイムラプス映像が削除され、駐車モーション映像が保存されます。
適用しますか？</translation>
    </message>
    <message>
        <source>지원하지 않는 형식으로 인코딩된 동영상입니다.</source>
        <translation>サポートされていない形式でエンコードされた動画です。</translation>
    </message>
    <message>
        <source>초기화하기</source>
        <translation>初期化</translation>
    </message>
    <message>
        <source>취소</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>케스트릭스 블랙박스 정보를 읽을 수 없습니다.
모델명을 선택하면 기본 설정 값을 적용 할 수 있습니다.</source>
        <translation>Kestrixドライブレコーダーの情報を読み取れません。
モデル名を選択すると、初期設定値を適用できます。</translation>
    </message>
    <message>
        <source>타임랩스</source>
        <translation>タイムラプス</translation>
    </message>
    <message>
        <source>타임랩스 선택 시 
주차모션 영상이 삭제되고 주차모드 및 주차충격 영상이 타임랩스로 저장됩니다.
적용하시겠습니까?</source>
        <translation>タイムラプスを選択すると、
駐車モーション映像が削除され、駐車モードおよび駐車衝撃映像がタイムラプスで保存されます。
適用しますか？</translation>
    </message>
    <message>
        <source>파일_모션</source>
        <translation>モーション</translation>
    </message>
    <message>
        <source>파일_상시</source>
        <translation>常時</translation>
    </message>
    <message>
        <source>파일_수동</source>
        <translation>手動</translation>
    </message>
    <message>
        <source>파일_이벤트</source>
        <translation>イベント</translation>
    </message>
    <message>
        <source>파일_전체</source>
        <translation>すべて</translation>
    </message>
    <message>
        <source>포르투갈어</source>
        <translation>ポルトガル語</translation>
    </message>
    <message>
        <source>포맷 중 입니다.&#xd;
잠시만 기다려 주십시오.</source>
        <translation>フォーマット中です。&#xd;
しばらくお待ちください。</translation>
    </message>
    <message>
        <source>프랑스어</source>
        <translation>フランス語</translation>
    </message>
    <message>
        <source>플래시 메모리를 선택해주세요.</source>
        <translation>フラッシュメモリーを選択してください。</translation>
    </message>
    <message>
        <source>현재 시간 가져오기</source>
        <translation>現在時刻を取得</translation>
    </message>
    <message>
        <source>화면 터치 정확도 초기화가 완료되었습니다.</source>
        <translation>タッチ画面の精度の初期化が完了しました。</translation>
    </message>
    <message>
        <source>화면 터치 정확도를 초기화할 수 없습니다.&#xd;
메모리카드를 확인하여 주시기 바랍니다.</source>
        <translation>タッチ画面の精度を初期化できません。&#xd;
メモリーカードを確認してください。</translation>
    </message>
    <message>
        <source>확인</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>파일을 저장하지 못했습니다.</source>
        <translation>ファイルを保存できませんでした。</translation>
    </message>
    <message>
        <source>인쇄하지 못했습니다.</source>
        <translation>印刷できませんでした。</translation>
    </message>
    <message>
        <source>사용</source>
        <translation>使用する</translation>
    </message>
    <message>
        <source>승용차</source>
        <translation>乗用車</translation>
    </message>
    <message>
        <source>트럭/버스</source>
        <translation>トラック/バス</translation>
    </message>
    <message>
        <source>시큐리티 LED 모드 1</source>
        <translation>セキュリティLEDモード1</translation>
    </message>
    <message>
        <source>시큐리티 LED 모드 2</source>
        <translation>セキュリティLEDモード2</translation>
    </message>
    <message>
        <source>시큐리티 LED 모드 3</source>
        <translation>セキュリティLEDモード3</translation>
    </message>
    <message>
        <source>전방 카메라 밝기</source>
        <translation>フロントカメラの明るさ</translation>
    </message>
    <message>
        <source>후방 카메라 밝기</source>
        <translation>リアカメラの明るさ</translation>
    </message>
    <message>
        <source>음성 녹음</source>
        <translation>音声録音</translation>
    </message>
    <message>
        <source>음성 안내</source>
        <translation>音声案内</translation>
    </message>
    <message>
        <source>시간 설정</source>
        <translation>時刻設定</translation>
    </message>
    <message>
        <source>표준 시간대</source>
        <translation>タイムゾーン</translation>
    </message>
    <message>
        <source>일광 절약 시간</source>
        <translation>サマータイム</translation>
    </message>
    <message>
        <source>날짜 표시 형식</source>
        <translation>日付の表示形式</translation>
    </message>
    <message>
        <source>운전 가이드</source>
        <translation>運転ガイド</translation>
    </message>
    <message>
        <source>화면 밝기</source>
        <translation>画面の明るさ</translation>
    </message>
    <message>
        <source>화면 꺼짐 시간</source>
        <translation>画面オフ時間</translation>
    </message>
    <message>
        <source>해상도</source>
        <translation>解像度</translation>
    </message>
    <message>
        <source>프레임 레이트</source>
        <translation>フレームレート</translation>
    </message>
    <message>
        <source>영상 화질</source>
        <translation>画質</translation>
    </message>
    <message>
        <source>충격 감도</source>
        <translation>衝撃感度</translation>
    </message>
    <message>
        <source>차량 종류</source>
        <translation>車種</translation>
    </message>
    <message>
        <source>차선 이탈 경보</source>
        <translation>車線逸脱警報</translation>
    </message>
    <message>
        <source>앞차 추돌 경보</source>
        <translation>前方衝突警報</translation>
    </message>
    <message>
        <source>앞차 출발 알림</source>
        <translation>前方車両発進通知</translation>
    </message>
    <message>
        <source>슈퍼 나이트 비전</source>
        <translation>スーパーナイトビジョン</translation>
    </message>
    <message>
        <source>모션 감지</source>
        <translation>動体検知</translation>
    </message>
    <message>
        <source>주차 녹화 시간</source>
        <translation>駐車録画時間</translation>
    </message>
    <message>
        <source>배터리 방전 방지</source>
        <translation>バッテリー放電防止</translation>
    </message>
    <message>
        <source>덮어쓰기</source>
        <translation>上書き</translation>
    </message>
    <message>
        <source>메모리 파티션</source>
        <translation>メモリパーティション</translation>
    </message>
    <message>
        <source>화면 터치 정확도 초기화</source>
        <translation>タッチ精度の初期化</translation>
    </message>
    <message>
        <source>전방</source>
        <translation>フロント</translation>
    </message>
    <message>
        <source>후방</source>
        <translation>リア</translation>
    </message>
    <message>
        <source>상시 녹화</source>
        <translation>常時録画</translation>
    </message>
    <message>
        <source>상시 충격 녹화</source>
        <translation>常時衝撃録画</translation>
    </message>
    <message>
        <source>주차 모션 녹화</source>
        <translation>駐車動体録画</translation>
    </message>
    <message>
        <source>주차 충격 녹화</source>
        <translation>駐車衝撃録画</translation>
    </message>
    <message>
        <source>수동 녹화</source>
        <translation>手動録画</translation>
    </message>
    <message>
        <source>포맷하기</source>
        <translation>フォーマット</translation>
    </message>
    <message>
        <source>이 블랙박스의 설정 화면은 아직 지원되지 않습니다.</source>
        <translation>このドライブレコーダーの設定はまだご利用いただけません。</translation>
    </message>
    <message>
        <source>사고 보고서</source>
        <translation>事故レポート</translation>
    </message>
    <message>
        <source>녹화 파일</source>
        <translation>録画ファイル</translation>
    </message>
    <message>
        <source>녹화 일시</source>
        <translation>録画日時</translation>
    </message>
    <message>
        <source>알 수 없음</source>
        <translation>不明</translation>
    </message>
    <message>
        <source>구간</source>
        <translation>区間</translation>
    </message>
    <message>
        <source>최대 충격</source>
        <translation>最大衝撃</translation>
    </message>
    <message>
        <source>최고 속도</source>
        <translation>最高速度</translation>
    </message>
    <message>
        <source>시작 위치</source>
        <translation>開始位置</translation>
    </message>
    <message>
        <source>끝 위치</source>
        <translation>終了位置</translation>
    </message>
    <message>
        <source>이 구간에는 GPS 정보가 없습니다.</source>
        <translation>この区間にはGPS情報がありません。ルートと速度は表示されません。</translation>
    </message>
    <message>
        <source>이 구간에는 센서 정보가 없습니다.</source>
        <translation>この区間にはセンサー情報がありません。時刻のみ表示されます。</translation>
    </message>
    <message>
        <source>사진 없음</source>
        <translation>画像なし</translation>
    </message>
    <message>
        <source>가속도와 속도</source>
        <translation>加速度と速度</translation>
    </message>
    <message>
        <source>경로</source>
        <translation>ルート</translation>
    </message>
    <message>
        <source>북</source>
        <translation>北</translation>
    </message>
    <message>
        <source>사고 보고서 만들기…</source>
        <translation>事故レポートを作成…</translation>
    </message>
    <message>
        <source>사고 순간 (초)</source>
        <translation>事故の瞬間 (秒)</translation>
    </message>
    <message>
        <source>이전 (초)</source>
        <translation>前 (秒)</translation>
    </message>
    <message>
        <source>이후 (초)</source>
        <translation>後 (秒)</translation>
    </message>
    <message>
        <source>저장 위치</source>
        <translation>保存先</translation>
    </message>
    <message>
        <source>찾아보기…</source>
        <translation>参照…</translation>
    </message>
    <message>
        <source>만들기</source>
        <translation>作成</translation>
    </message>
    <message>
        <source>사고 보고서를 만드는 중입니다…</source>
        <translation>事故レポートを作成しています…</translation>
    </message>
    <message>
        <source>사고 보고서를 만들지 못했습니다.</source>
        <translation>事故レポートを作成できませんでした。</translation>
    </message>
    <message>
        <source>한 프레임 뒤로</source>
        <translation>1コマ戻る</translation>
    </message>
    <message>
        <source>한 프레임 앞으로</source>
        <translation>1コマ進む</translation>
    </message>
    <message>
        <source>음량 줄이기</source>
        <translation>音量を下げる</translation>
    </message>
    <message>
        <source>음량 키우기</source>
        <translation>音量を上げる</translation>
    </message>
    <message>
        <source>재생 / 일시 정지</source>
        <translation>再生 / 一時停止</translation>
    </message>
    <message>
        <source>전체 화면 끝내기</source>
        <translation>全画面表示を終了</translation>
    </message>
    <message>
        <source>전체 화면 켜기/끄기</source>
        <translation>全画面表示のオン/オフ</translation>
    </message>
    <message>
        <source>종료</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>최소화</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>이전 영상</source>
        <translation>前の録画</translation>
    </message>
    <message>
        <source>다음 영상</source>
        <translation>次の録画</translation>
    </message>
    <message>
        <source>확대</source>
        <translation>拡大</translation>
    </message>
    <message>
        <source>축소</source>
        <translation>縮小</translation>
    </message>
    <message>
        <source>원래 크기 1:1</source>
        <translation>実際のサイズ 1:1</translation>
    </message>
    <message>
        <source>스냅샷 저장</source>
        <translation>スナップショットを保存</translation>
    </message>
    <message>
        <source>소리 끄기/켜기</source>
        <translation>消音 / 消音解除</translation>
    </message>
    <message>
        <source>인쇄</source>
        <translation>印刷</translation>
    </message>
    <message>
        <source>정지</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>확대한 화면 이동</source>
        <translation>拡大した画面を移動</translation>
    </message>
    <message>
        <source>상하 반전</source>
        <translation>上下反転</translation>
    </message>
    <message>
        <source>전방/후방 화면 바꾸기</source>
        <translation>前方/後方カメラを入れ替え</translation>
    </message>
    <message>
        <source>재생 위치</source>
        <translation>再生位置</translation>
    </message>
    <message>
        <source>음량</source>
        <translation>音量</translation>
    </message>
    <message>
        <source>폴더 선택</source>
        <translation>フォルダを選択</translation>
    </message>
    <message>
        <source>영상 사본 저장</source>
        <translation>録画のコピーを保存</translation>
    </message>
    <message>
        <source>영상 삭제</source>
        <translation>録画を削除</translation>
    </message>
    <message>
        <source>클라우드에 올리기</source>
        <translation>クラウドにアップロード</translation>
    </message>
    <message>
        <source>클라우드에서 내려받기</source>
        <translation>クラウドからダウンロード</translation>
    </message>
    <message>
        <source>홈페이지</source>
        <translation>ホームページ</translation>
    </message>
    <message>
        <source>이 컴퓨터에서는 사용할 수 없습니다</source>
        <translation>このコンピューターでは使用できません</translation>
    </message>
    <message>
        <source>단축키</source>
        <translation>キーボードショートカット</translation>
    </message>
    <message>
        <source>키</source>
        <translation>キー</translation>
    </message>
    <message>
        <source>동작</source>
        <translation>動作</translation>
    </message>
    <message>
        <source>닫기</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Velmora 정보</source>
        <translation>Velmoraについて</translation>
    </message>
    <message>
        <source>버전</source>
        <translation>バージョン</translation>
    </message>
    <message>
        <source>모든 권리 보유.</source>
        <translation>無断転載を禁じます。</translation>
    </message>
    <message>
        <source>사용한 라이브러리와 라이선스</source>
        <translation>使用しているライブラリとライセンス</translation>
    </message>
    <message>
        <source>지도 데이터</source>
        <translation>地図データ</translation>
    </message>
    <message>
        <source>ffmpeg 프로그램은 별도의 프로그램으로 실행됩니다.</source>
        <translation>ffmpegは別のプログラムとして実行されます。</translation>
    </message>
    <message>
        <source>뒤로</source>
        <translation>戻る</translation>
    </message>
    <message>
        <source>손상된 녹화 파일</source>
        <translation>破損した録画ファイル</translation>
    </message>
    <message>
        <source>녹화 파일의 이 지점부터는 손상되어 재생할 수 없습니다.</source>
        <translation>録画ファイルはこの位置から破損しているため再生できません。</translation>
    </message>
    <message>
        <source>녹화 파일이 손상되어 재생할 수 없습니다.</source>
        <translation>録画ファイルが破損しているため再生できません。</translation>
    </message>
    <message>
        <source>녹화가 도중에 끊긴 파일입니다. 남아 있는 부분만 재생합니다.</source>
        <translation>録画が途中で途切れています。保存された部分のみ再生します。</translation>
    </message>
    <message>
        <source>앞 카메라 파일을 읽을 수 없습니다.</source>
        <translation>フロントカメラのファイルを読み込めません。</translation>
    </message>
    <message>
        <source>변환하는 동안 녹화 파일이 바뀌었습니다.</source>
        <translation>変換中に録画ファイルが変更されました。</translation>
    </message>
    <message>
        <source>작업 폴더에 남은 공간이 없습니다.</source>
        <translation>作業フォルダーに空き容量がありません。</translation>
    </message>
    <message>
        <source>작업 폴더에 쓸 수 없습니다.</source>
        <translation>作業フォルダーに書き込めません。読み取り専用か、フォルダーではないか、アクセス権がありません。</translation>
    </message>
    <message>
        <source>녹화 파일이 더 이상 메모리카드에 없습니다.</source>
        <translation>録画ファイルはもうメモリーカードにありません。</translation>
    </message>
    <message>
        <source>메모리카드 폴더가 제거되었거나 연결이 해제되었습니다.</source>
        <translation>メモリーカードのフォルダーが削除されたか、取り外されました。</translation>
    </message>
    <message>
        <source>녹화 파일을 읽을 권한이 없습니다.</source>
        <translation>この録画ファイルを読み込む権限がありません。</translation>
    </message>
    <message>
        <source>설정 화면이 메모리를 너무 많이 사용하여 중지되었습니다.</source>
        <translation>設定画面がメモリを使いすぎたため停止しました。</translation>
    </message>
    <message>
        <source>트립 보기…</source>
        <translation>トリップ…</translation>
    </message>
    <message>
        <source>트립</source>
        <translation>トリップ</translation>
    </message>
    <message>
        <source>날짜</source>
        <translation>日付</translation>
    </message>
    <message>
        <source>출발</source>
        <translation>出発</translation>
    </message>
    <message>
        <source>도착</source>
        <translation>到着</translation>
    </message>
    <message>
        <source>주행 시간</source>
        <translation>走行時間</translation>
    </message>
    <message>
        <source>거리</source>
        <translation>距離</translation>
    </message>
    <message>
        <source>급격한 충격</source>
        <translation>強い衝撃</translation>
    </message>
    <message>
        <source>다시 읽기</source>
        <translation>再読み込み</translation>
    </message>
    <message>
        <source>목록에 표시된 폴더가 없습니다.</source>
        <translation>一覧に表示されているフォルダーがありません。</translation>
    </message>
    <message>
        <source>트립을 읽는 중… (%1/%2)</source>
        <translation>トリップを読み込み中… (%1/%2)</translation>
    </message>
    <message>
        <source>트립을 읽는 중…</source>
        <translation>トリップを読み込み中…</translation>
    </message>
    <message>
        <source>트립 읽기를 취소했습니다.</source>
        <translation>トリップの読み込みを取り消しました。</translation>
    </message>
    <message>
        <source>이 폴더에는 트립이 없습니다.</source>
        <translation>このフォルダーにはトリップがありません。</translation>
    </message>
    <message>
        <source>트립 %1개</source>
        <translation>トリップ %1 件</translation>
    </message>
    <message>
        <source>이 지점부터 메모리카드를 읽을 수 없습니다. 녹화 파일이 손상된 것은 아닐 수 있습니다.</source>
        <translation>この位置からメモリーカードを読み取れませんでした。録画ファイル自体は破損していない可能性があります。</translation>
    </message>
    <message>
        <source>메모리카드를 읽을 수 없습니다. 녹화 파일이 손상된 것은 아닐 수 있습니다.</source>
        <translation>メモリーカードを読み取れませんでした。録画ファイル自体は破損していない可能性があります。</translation>
    </message>
    <message>
        <source>녹화 파일이 비어 있습니다. 카메라가 파일 자리만 잡아 두고 녹화하지 않았습니다.</source>
        <translation>録画ファイルは空です。カメラがファイルの領域を確保しただけで、何も録画されていません。</translation>
    </message>
    <message>
        <source>빈 녹화 파일</source>
        <translation>空の録画ファイル</translation>
    </message>
    <message>
        <source>작업 폴더 오류</source>
        <translation>作業フォルダーエラー</translation>
    </message>
    <message>
        <source>녹화 파일의 %1부터 %2까지는 손상되어 재생할 수 없어 건너뛰었습니다.</source>
        <translation>録画ファイルの%1から%2までは破損しているため再生できず、スキップしました。</translation>
    </message>
    <message>
        <source>메모리카드를 기다리는 중…</source>
        <translation>メモリーカードを待っています…</translation>
    </message>
    <message>
        <source>%1 파일을 읽을 수 없습니다: %2</source>
        <translation>%1 を読み取れません: %2</translation>
    </message>
    <message>
        <source>%1 파일에 쓸 수 없습니다: %2</source>
        <translation>%1 に書き込めません: %2</translation>
    </message>
    <message>
        <source>%1 저장 중…</source>
        <translation>%1 を保存しています…</translation>
    </message>
    <message>
        <source>남은 시간: %1</source>
        <translation>残り時間: %1</translation>
    </message>
    <message>
        <source>남은 시간 계산 중…</source>
        <translation>残り時間を計算しています…</translation>
    </message>
    <message>
        <source>%1 종료</source>
        <translation>%1 を終了</translation>
    </message>
    <message>
        <source>이 경로에 마운트된 볼륨이 없습니다.</source>
        <translation>このパスにはボリュームがマウントされていません。</translation>
    </message>
    <message>
        <source>볼륨이 이 컴퓨터의 디스크에 있지 않습니다.</source>
        <translation>ボリュームがこのコンピューターのディスク上にありません。</translation>
    </message>
    <message>
        <source>볼륨이 이동식 매체에 있지 않습니다.</source>
        <translation>ボリュームがリムーバブルメディア上にありません。</translation>
    </message>
    <message>
        <source>이름 없는 볼륨은 카메라 카드로 보지 않습니다.</source>
        <translation>名前のないボリュームはカメラのカードとして扱いません。</translation>
    </message>
    <message>
        <source>© 2026 Velmora 개발자.</source>
        <translation>© 2026 Velmora 開発者</translation>
    </message>
    <message>
        <source>카드가 빠져서 트립을 끝까지 읽지 못했습니다.</source>
        <translation>カードが取り外されたため、トリップを最後まで読み込めませんでした。</translation>
    </message>
    <message>
        <source>녹화 %1개는 파일 이름에서 쓸 수 있는 시간을 얻지 못해 빠졌습니다.</source>
        <translation>ファイル名から使える時刻が得られないため、%1 件の録画を除外しました。</translation>
    </message>
    <message>
        <source>이 모델의 설정은 이 프로그램에서 저장할 수 없습니다.
메모리카드에는 아무것도 기록되지 않았습니다.</source>
        <translation>このモデルの設定はこのプログラムでは保存できません。
メモリーカードには何も書き込まれていません。</translation>
    </message>
    <message>
        <source>메모리카드가 쓰기 금지되어 있습니다.
메모리카드의 잠금 스위치를 확인하여 주시기 바랍니다.</source>
        <translation>メモリーカードが書き込み禁止になっています。
メモリーカードのロックスイッチを確認してください。</translation>
    </message>
    <message>
        <source>사고 보고서를 만들었습니다.</source>
        <translation>事故レポートを作成しました。</translation>
    </message>
    <message>
        <source>보고서 위치: %1</source>
        <translation>レポートの場所: %1</translation>
    </message>
    <message>
        <source>스냅샷에 앞뒤 카메라를 나란히</source>
        <translation>スナップショットに前後カメラを並べる</translation>
    </message>
    <message>
        <source>스냅샷에 날짜, 시각, 속도 표시</source>
        <translation>スナップショットに日付・時刻・速度を表示</translation>
    </message>
    <message>
        <source>카메라의 메모리카드를 넣거나 폴더를 선택하십시오</source>
        <translation>カメラのカードを挿入するか、フォルダを選択してください</translation>
    </message>
    <message>
        <source>가속도 X축 (g, 1 g = 9.8 m/s²)</source>
        <translation>加速度 X軸 (g、1 g = 9.8 m/s²)</translation>
    </message>
    <message>
        <source>가속도 Y축 (g, 1 g = 9.8 m/s²)</source>
        <translation>加速度 Y軸 (g、1 g = 9.8 m/s²)</translation>
    </message>
    <message>
        <source>가속도 Z축 (g, 1 g = 9.8 m/s²)</source>
        <translation>加速度 Z軸 (g、1 g = 9.8 m/s²)</translation>
    </message>
    <message>
        <source>위도 (도, 북쪽이 양수)</source>
        <translation>緯度 (度、北が正)</translation>
    </message>
    <message>
        <source>경도 (도, 동쪽이 양수)</source>
        <translation>経度 (度、東が正)</translation>
    </message>
    <message>
        <source>빠르게 재생</source>
        <translation>速く再生</translation>
    </message>
    <message>
        <source>느리게 재생</source>
        <translation>遅く再生</translation>
    </message>
    <message>
        <source>보통 속도로 재생</source>
        <translation>通常の速度で再生</translation>
    </message>
    <message>
        <source>5초 뒤로</source>
        <translation>5秒戻る</translation>
    </message>
    <message>
        <source>5초 앞으로</source>
        <translation>5秒進む</translation>
    </message>
    <message>
        <source>30초 뒤로</source>
        <translation>30秒戻る</translation>
    </message>
    <message>
        <source>30초 앞으로</source>
        <translation>30秒進む</translation>
    </message>
    <message>
        <source>재생 속도</source>
        <translation>再生速度</translation>
    </message>
</context>
</TS>
