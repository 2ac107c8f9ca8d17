-- Colour sets of the colouring exercise: per record the seven box captions (Bt1..Bt7) and the
-- colours that belong in those boxes (Color1..Color7). A colour is a toolkit colour name, a
-- decimal number or "$" hexadecimal, lowest byte red, then green, then blue.
CREATE TABLE changcolor (
    Bt1 TEXT, Bt2 TEXT, Bt3 TEXT, Bt4 TEXT, Bt5 TEXT, Bt6 TEXT, Bt7 TEXT,
    Color1 TEXT, Color2 TEXT, Color3 TEXT, Color4 TEXT, Color5 TEXT, Color6 TEXT, Color7 TEXT
);
-- The first set names the tiles' colours before any set is chosen (red, the orange the window
-- paints at activation, yellow, green, black, blue, purple), so a first opening matches.
-- That orange is 255,128,64: $4080FF in hexadecimal.
INSERT INTO changcolor VALUES ('红色', '橙色', '黄色', '绿色', '黑色', '蓝色', '紫色',
                               'clRed', '$4080FF', 'clYellow', 'clGreen', 'clBlack', 'clBlue', 'clPurple');
-- Pink is 255,160,200 ($C8A0FF = 13148415); brown is 150,75,0 ($004B96 = 19350).
INSERT INTO changcolor VALUES ('白色', '灰色', '粉色', '棕色', '红色', '蓝色', '黄色',
                               'clWhite', 'clGray', '$C8A0FF', '$004B96', 'clRed', 'clBlue', 'clYellow');
INSERT INTO changcolor VALUES ('绿色', '橙色', '黑色', '紫色', '白色', '粉色', '棕色',
                               'clLime', '$0080FF', 'clBlack', 'clPurple', 'clWhite', '13148415', '19350');
